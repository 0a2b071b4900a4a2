#include "cli/bookaccess.h"

#include <algorithm>

#include "cli/clifailure.h"
#include "core/errormsg.h"
#include "text/bookamount.h"
#include "text/booktext.h"

using KestLib::AccountDB;

AccountDB loadBook(const std::string& path) {
    AccountDB db;
    try {
        db.loadFile(path);
    } catch (const KestLib::ErrorMsg& error) {
        throw CliFailure(path, error);
    }
    return db;
}

PwText::Date parseDateOption(const std::string& option, const std::string& text) {
    PwText::Date date;
    if (!PwText::parseIsoDate(text, date))
        throw CliFailure(CliFailure::Usage,
                         option + ": \"" + terminalText(text) + "\" is not a date written YYYY-MM-DD");
    return date;
}

ResolvedSelection resolveSelection(const AccountDB& db, const SelectionOptions& options) {
    ResolvedSelection selection;
    if (!options.from.empty()) {
        selection.from = parseDateOption("--from", options.from);
        selection.choice.range.first =
            KestLib::packDate(selection.from->year, selection.from->month, selection.from->day);
    }
    if (!options.to.empty()) {
        selection.to = parseDateOption("--to", options.to);
        selection.choice.range.last = KestLib::packDate(selection.to->year, selection.to->month, selection.to->day);
    }
    if (selection.choice.range.endsBeforeItStarts())
        throw CliFailure(CliFailure::Usage, "--from " + options.from + " is after --to " + options.to);

    using KestLib::InOutSelector;
    selection.choice.inOut = options.income == options.outgoing ? InOutSelector::Both
                             : options.income                   ? InOutSelector::Income
                                                                : InOutSelector::Outgoing;

    if (!options.types.empty()) {
        selection.choice.allTypes = false;
        PwText::BookTextCodec codec(db);
        for (const std::string& name : options.types) {
            std::string stored;
            int found = -1;
            if (codec.fromUtf8(name, stored))
                for (int position = 0; position < db.typeCount() && found < 0; ++position)
                    if (db.typeAt(position).name() == stored) found = position;
            if (found < 0)
                throw CliFailure(CliFailure::Usage,
                                 "--type: the book has no type named \"" + terminalText(name) + "\"");
            selection.choice.types.set(static_cast<std::size_t>(db.typeAt(found).id()));
        }
    }
    return selection;
}

std::string displayText(const AccountDB& db, std::string_view stored) {
    // One codec a format for the whole run, as a listing converts every comment.
    static PwText::BookTextCodec big5(1), utf8(2);
    return (db.format() == 2 ? utf8 : big5).toUtf8(stored);
}

std::string amountText(const AccountDB& db, std::int64_t units) { return PwText::formatAmount(units, db.decimals()); }

std::string typeDisplayName(const AccountDB& db, int typeId) {
    try {
        return displayText(db, db.typeById(typeId).name());
    } catch (const KestLib::ErrorMsg&) {
        return std::string();
    }
}
