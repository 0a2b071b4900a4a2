#include "text/ledgerjournal.h"

#include <array>
#include <charconv>
#include <optional>
#include <set>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/bookamount.h"
#include "text/booktext.h"
#include "text/isodate.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;

namespace PwText {

namespace {

// Postings are written with the account padded to this many characters, so
// the amounts line up; two spaces at least always separate the two.
constexpr int accountColumn = 40;
constexpr int amountWidth = 12;

int characterCount(std::string_view utf8) {
    int count = 0;
    for (const char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void appendPosting(std::string& out, const std::string& account, long long amount, int decimals) {
    out.append("    ");
    out.append(account);
    const int length = characterCount(account);
    const std::string digits = formatAmount(amount, decimals);
    const int pad = std::max(2, accountColumn - length) + std::max(0, amountWidth - static_cast<int>(digits.size()));
    out.append(static_cast<std::size_t>(pad), ' ');
    out.append(digits);
    out.push_back('\n');
}

// A comment kept on one line.
std::string oneLine(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) out.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
    return out;
}

}  // namespace

std::string ledgerAccountPart(std::string_view utf8, std::string_view fallback) {
    std::string out;
    bool pendingSpace = false;
    for (const char c : utf8) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool space = c == ' ' || byte < 0x20 || byte == 0x7F;
        if (space) {
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) out.push_back(' ');
        pendingSpace = false;
        switch (c) {
        case ':':  // would open a sub-account
        case ';':  // starts a comment
        case '(':  // brackets mark virtual postings
        case ')':
        case '[':
        case ']':
        case '{':  // and lot prices
        case '}': out.push_back('-'); break;
        default: out.push_back(c);
        }
    }
    // A leading mark would read as the posting's status.
    if (!out.empty() && (out.front() == '*' || out.front() == '!')) out.front() = '-';
    return out.empty() ? std::string(fallback) : out;
}

std::string exportLedger(const AccountDB& db, const KestLib::Selection& filter) {
    BookTextCodec codec(db);
    const std::string bookName = codec.toUtf8(db.name());
    const std::string assets = "Assets:" + ledgerAccountPart(bookName, "Book");

    // One account name per type; two types whose names come out the same
    // are told apart by their ids, so their totals never merge.
    std::array<std::optional<std::string>, TypeIdTable::capacity> typeParts;
    std::set<std::string> taken;
    for (int position = 0; position < db.typeCount(); ++position) {
        const KestLib::TransType& type = db.typeAt(position);
        if (type.id() < 0 || type.id() >= TypeIdTable::capacity) continue;
        std::string part = ledgerAccountPart(codec.toUtf8(type.name()), "Untyped");
        while (!taken.insert(part).second) part += " #" + std::to_string(type.id());
        typeParts[static_cast<std::size_t>(type.id())] = std::move(part);
    }

    std::string out;
    out.reserve(static_cast<std::size_t>(db.transCount()) * 160 + 256);
    out.append("; Pennywell book \"" + oneLine(bookName) + "\" as a plain-text accounting journal.\n");
    out.append("; Income moves its amount from Income:<type> to " + assets + ",\n");
    out.append("; outgoing from " + assets + " to Expenses:<type>.\n");

    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        if (!filter.takes(record)) continue;
        const bool knownType = record.type() >= 0 && record.type() < TypeIdTable::capacity &&
                               typeParts[static_cast<std::size_t>(record.type())].has_value();
        const std::string& part =
            knownType ? *typeParts[static_cast<std::size_t>(record.type())] : std::string("Untyped");

        out.push_back('\n');
        appendIsoDate(out, record.year(), record.month(), record.day());
        out.append(" (" + std::to_string(record.index()) + ") ");
        out.append(part);
        out.push_back('\n');
        const std::string_view comment = storedText(record.comment());
        if (!comment.empty()) {
            out.append("    ; ");
            out.append(oneLine(codec.toUtf8(comment)));
            out.push_back('\n');
        }
        const long long amount = record.amount();
        if (record.isIncome()) {
            appendPosting(out, assets, amount, db.decimals());
            appendPosting(out, "Income:" + part, -amount, db.decimals());
        } else {
            appendPosting(out, "Expenses:" + part, amount, db.decimals());
            appendPosting(out, assets, -amount, db.decimals());
        }
    }
    return out;
}

}  // namespace PwText
