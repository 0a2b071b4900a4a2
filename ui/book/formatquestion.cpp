#include "ui/book/formatquestion.h"

#include <memory>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "text/big5text.h"
#include "ui/book/book.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/dialogprompts.h"
#include "ui/prompts/warnuser.h"

bool FormatQuestion::storable(int format, const QString& text, PwText::StoredTextKind kind, std::string* stored) {
    PwText::BookTextCodec codec(format);
    std::string bytes;
    if (!codec.fromText(text, bytes) || codec.fault(bytes, kind) != PwText::StoredTextFault::None) return false;
    if (stored) *stored = std::move(bytes);
    return true;
}

FormatRoom FormatQuestion::forText(Book* book, UserPrompts* prompts, QWidget* parent, const QString& text,
                                   PwText::StoredTextKind kind) {
    if (!book) return FormatRoom::None;
    const int format = book->database().format();
    if (storable(format, text, kind)) return FormatRoom::Made;
    if (format == 2 || !storable(2, text, kind)) return FormatRoom::None;
    const QString character = firstNonBig5Character(text);
    const QString question =
        character.isEmpty()
            ? tr("This book is kept in the format older versions of Pennywell read, which has no room for a text "
                 "this long. Keep it exactly in the newer format? Pennywell 1.1 and older can't open the converted "
                 "book; the backup keeps this version.")
            : tr("This book is kept in the format older versions of Pennywell read, which has no '%1'. Keep it "
                 "exactly in the newer format? Pennywell 1.1 and older can't open the converted book; the backup "
                 "keeps this version.")
                  .arg(character);
    return convert(*book, prompts, parent, 0, question);
}

FormatRoom FormatQuestion::forDecimals(Book* book, UserPrompts* prompts, QWidget* parent, int digits) {
    if (!book) return FormatRoom::None;
    const KestLib::AccountDB& db = book->database();
    if (digits <= db.decimals()) return FormatRoom::Made;
    // A format 2 book changes its decimals only in Book Settings, where
    // every amount is seen to be scaled.
    if (db.format() == 2 || digits > 3) return FormatRoom::None;
    const QString question =
        tr("This book is kept in the format older versions of Pennywell read, which has no cents. Keep it exactly "
           "in the newer format? Pennywell 1.1 and older can't open the converted book; the backup keeps this "
           "version.");
    return convert(*book, prompts, parent, digits <= 2 ? 2 : 3, question);
}

NameRoom FormatQuestion::forName(Book& book, UserPrompts* prompts, QWidget* parent) {
    return [&book, prompts, parent](const QString& name) {
        return forText(&book, prompts, parent, name, PwText::StoredTextKind::Name);
    };
}

FormatRoom FormatQuestion::forNewBook(const QString& name, int* format) {
    for (const int candidate : {1, 2}) {
        if (!storable(candidate, name, PwText::StoredTextKind::Name)) continue;
        if (format) *format = candidate;
        return FormatRoom::Made;
    }
    return FormatRoom::None;
}

FormatRoom FormatQuestion::convert(Book& book, UserPrompts* prompts, QWidget* parent, int decimals,
                                   const QString& question) {
    std::unique_ptr<UserPrompts> own;
    if (!prompts) {
        own = std::make_unique<DialogPrompts>();
        prompts = own.get();
    }
    // A book no older program has read has nothing to keep: the status bar
    // says it became format 2.
    if (book.database().isFormatKept() && !prompts->askConvert(parent, tr("Newer Format"), question, tr("Convert")))
        return FormatRoom::Declined;
    try {
        book.convertToFormat2(decimals);
    } catch (const KestLib::ErrorMsg& error) {
        warnUser(*prompts, parent, coreMessageText(error));
        return FormatRoom::Declined;
    }
    return FormatRoom::Made;
}
