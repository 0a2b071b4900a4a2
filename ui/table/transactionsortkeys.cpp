#include "ui/table/transactionsortkeys.h"

#include <algorithm>
#include <array>
#include <numeric>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/big5text.h"
#include "text/textfolding.h"
#include "ui/book/transactioncolumns.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;
using Columns = TransactionColumns;

namespace {

std::u16string_view viewOf(const QString& text) {
    return std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
}

// Where every field fits its width, the shown date texts all have the same
// length and order as these numbers do: the space that pads a shorter field
// sorts before any digit.
std::optional<int> dateNumber(const Transaction& record) {
    const bool fits = record.year() >= 0 && record.year() <= 9999 && record.month() >= 0 && record.month() <= 99 &&
                      record.day() >= 0 && record.day() <= 99;
    if (!fits) return std::nullopt;
    return record.year() * 10000 + record.month() * 100 + record.day();
}

// For each type id, the rank of the name it shows among all shown type names,
// so that comparing ranks orders rows as comparing the names would. Ids no
// type holds show an empty name.
std::array<int, TypeIdTable::capacity> typeNameRanks(const AccountDB& database) {
    std::array<QString, TypeIdTable::capacity> names;
    for (int position = 0; position < database.typeCount(); ++position) {
        const KestLib::TransType& type = database.typeAt(position);
        if (type.id() >= 0 && type.id() < TypeIdTable::capacity)
            names[type.id()] = Columns::storedText(database, type.name());
    }
    std::array<int, TypeIdTable::capacity> byName;
    std::iota(byName.begin(), byName.end(), 0);
    std::stable_sort(byName.begin(), byName.end(), [&names](int a, int b) { return names[a] < names[b]; });
    std::array<int, TypeIdTable::capacity> ranks{};
    int rank = 0;
    for (std::size_t i = 0; i < byName.size(); ++i) {
        if (i > 0 && names[byName[i - 1]] != names[byName[i]]) ++rank;
        ranks[byName[i]] = rank;
    }
    return ranks;
}

}  // namespace

std::optional<std::vector<int>> TransactionSortKeys::integerKeys(const AccountDB& db, int column) const {
    std::vector<int> keys(static_cast<std::size_t>(db.transCount()));
    auto fill = [&db, &keys](auto keyOf) {
        for (std::size_t position = 0; position < keys.size(); ++position)
            keys[position] = keyOf(db.transaction(static_cast<int>(position), false));
    };
    switch (column) {
    case Columns::IndexColumn: fill([](const Transaction& record) { return record.index(); }); return keys;
    case Columns::MoneyColumn: fill([](const Transaction& record) { return record.amount(); }); return keys;
    case Columns::InOutColumn: {
        const QString income = Columns::inOutText(true);
        const QString outgoing = Columns::inOutText(false);
        const int incomeRank = outgoing < income ? 1 : 0;
        const int outgoingRank = income < outgoing ? 1 : 0;
        fill([=](const Transaction& record) { return record.isIncome() ? incomeRank : outgoingRank; });
        return keys;
    }
    case Columns::TypeColumn: {
        // Core invariants keep every transaction's type id a stored one.
        const auto ranks = typeNameRanks(db);
        fill([&ranks](const Transaction& record) {
            const int id = record.type();
            return id >= 0 && id < TypeIdTable::capacity ? ranks[id] : 0;
        });
        return keys;
    }
    case Columns::DateColumn:
        for (std::size_t position = 0; position < keys.size(); ++position) {
            const std::optional<int> number = dateNumber(db.transaction(static_cast<int>(position), false));
            if (!number) return std::nullopt;
            keys[position] = *number;
        }
        return keys;
    default: return std::nullopt;
    }
}

const PwText::PackedTexts& TransactionSortKeys::commentKeys(const AccountDB& db) {
    const int count = db.transCount();
    if (comments.size() > count) comments.clear();
    if (comments.size() == count) return comments;
    // A decoded comment has at most one character per stored byte, but for
    // the rare one the converter or a translation gives more: the keys are
    // reserved once and grow only for those.
    std::size_t bytes = comments.characterCount();
    for (int position = comments.size(); position < count; ++position)
        bytes += db.transaction(position, false).comment().size();
    comments.reserve(static_cast<std::size_t>(count), bytes);
    std::u16string text;
    for (int position = comments.size(); position < count; ++position) {
        shownComment(db, db.transaction(position, false).comment(), text);
        comments.append(text);
    }
    return comments;
}

PwText::PackedTexts TransactionSortKeys::dateKeys(const AccountDB& db) const {
    PwText::PackedTexts keys;
    std::u16string date;
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        date.clear();
        Columns::appendDateText(date, record.year(), record.month(), record.day());
        keys.append(date);
    }
    return keys;
}

void TransactionSortKeys::modified(const AccountDB& db, int position) {
    if (position < 0 || position >= comments.size() || position >= db.transCount()) return;
    std::u16string text;
    shownComment(db, db.transaction(position, false).comment(), text);
    comments.replace(position, text);
}

void TransactionSortKeys::removed(int position) {
    if (position >= 0 && position < comments.size()) comments.erase(position);
}

void TransactionSortKeys::clear() { comments.clear(); }

void TransactionSortKeys::shownComment(const AccountDB& db, std::string_view stored, std::u16string& text) const {
    // The same text the cell shows, without building a QString for each of
    // a million comments.
    text.clear();
    if (db.format() == 2) {
        PwText::appendUtf16(stored, text);
        return;
    }
    stored = PwText::storedText(stored);
    if (stored.empty()) return;
    if (!pairs.appendPlain(stored, text)) text = viewOf(fromBig5(stored));
}
