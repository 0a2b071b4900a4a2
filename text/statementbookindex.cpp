#include "text/statementbookindex.h"

#include <QString>
#include <algorithm>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/booktext.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;

namespace PwText {

// ---- Duplicates ----------------------------------------------------------------

namespace {

std::uint64_t keyHash(std::int32_t date, std::int32_t amount, bool income, std::string_view comment) {
    std::uint64_t hash = std::hash<std::string_view>{}(comment);
    std::uint64_t rest = (std::uint64_t{static_cast<std::uint32_t>(date)} << 32 | static_cast<std::uint32_t>(amount)) ^
                         (income ? 0x9E3779B97F4A7C15ULL : 0);
    // A 64-bit mix (splitmix64's), so that near dates and amounts spread.
    rest ^= rest >> 30;
    rest *= 0xBF58476D1CE4E5B9ULL;
    rest ^= rest >> 27;
    rest *= 0x94D049BB133111EBULL;
    rest ^= rest >> 31;
    return hash ^ (rest + 0x9E3779B97F4A7C15ULL + (hash << 6) + (hash >> 2));
}

bool sameKey(const Transaction& record, std::int32_t date, std::int32_t amount, bool income, std::string_view comment) {
    return record.dateCode() == date && record.amount() == amount && record.isIncome() == income &&
           storedText(record.comment()) == comment;
}

}  // namespace

DuplicateCounter::DuplicateCounter(const AccountDB& db) : db(db) {
    std::size_t size = 16;
    while (size < static_cast<std::size_t>(db.transCount()) * 2) size *= 2;
    table.resize(size);
    mask = size - 1;
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        const std::string_view comment = storedText(record.comment());
        const std::uint64_t hash = keyHash(record.dateCode(), record.amount(), record.isIncome(), comment);
        const auto tag = static_cast<std::uint32_t>(hash >> 32);
        std::uint64_t at = hash & mask;
        for (; table[at].position >= 0; at = (at + 1) & mask) {
            const Slot& slot = table[at];
            if (slot.tag == tag && sameKey(db.transaction(slot.position, false), record.dateCode(), record.amount(),
                                           record.isIncome(), comment))
                break;
        }
        if (table[at].position < 0) table[at] = Slot{tag, position, 0};
        ++table[at].unmatched;
    }
}

bool DuplicateCounter::takeMatch(const StatementRow& row, std::string_view storedComment) {
    const std::int32_t date = KestLib::packDate(row.year, row.month, row.day);
    const std::uint64_t hash = keyHash(date, row.amount, row.income, storedComment);
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::uint64_t at = hash & mask; table[at].position >= 0; at = (at + 1) & mask) {
        Slot& slot = table[at];
        if (slot.tag == tag &&
            sameKey(db.transaction(slot.position, false), date, row.amount, row.income, storedComment)) {
            if (slot.unmatched == 0) return false;
            --slot.unmatched;
            return true;
        }
    }
    return false;
}

// ---- Type guess ----------------------------------------------------------------

namespace {

// For each two-byte Big5 character, the one it folds to, or 0 where it
// folds to itself; built once from Qt's case folding.
const std::vector<std::uint16_t>& big5Folds() {
    static const std::vector<std::uint16_t> folds = [] {
        std::vector<std::uint16_t> table(0x10000, 0);
        Big5Codec codec;
        std::string utf8, big5;
        for (int lead = 0x81; lead <= 0xFE; ++lead)
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                if (trail > 0x7E && trail < 0xA1) continue;
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                if (!codec.big5ToUtf8(std::string_view(pair, 2), utf8)) continue;
                const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
                const QString folded = text.toCaseFolded();
                if (folded == text) continue;
                const QByteArray bytes = folded.toUtf8();
                if (!codec.utf8ToBig5(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                      big5) ||
                    big5.size() != 2)
                    continue;
                table[static_cast<std::size_t>(lead << 8 | trail)] = static_cast<std::uint16_t>(
                    static_cast<unsigned char>(big5[0]) << 8 | static_cast<unsigned char>(big5[1]));
            }
        return table;
    }();
    return folds;
}

}  // namespace

void appendFoldedBig5(std::string& out, std::string_view big5) {
    const std::vector<std::uint16_t>* folds = nullptr;
    for (std::size_t k = 0; k < big5.size(); ++k) {
        const auto c = static_cast<unsigned char>(big5[k]);
        if (c < 0x80) {
            out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c));
            continue;
        }
        if (k + 1 == big5.size()) {
            out.push_back(static_cast<char>(c));
            break;
        }
        if (!folds) folds = &big5Folds();
        const auto trail = static_cast<unsigned char>(big5[k + 1]);
        const std::uint16_t folded = (*folds)[static_cast<std::size_t>(c << 8 | trail)];
        out.push_back(folded ? static_cast<char>(folded >> 8) : static_cast<char>(c));
        out.push_back(folded ? static_cast<char>(folded & 0xFF) : static_cast<char>(trail));
        ++k;
    }
}

void appendFoldedUtf8(std::string& out, std::string_view utf8) {
    if (isAscii(utf8)) {
        for (const char c : utf8) out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        return;
    }
    out.append(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toCaseFolded().toStdString());
}

void appendFoldedStored(std::string& out, std::string_view stored, bool utf8) {
    if (utf8)
        appendFoldedUtf8(out, stored);
    else
        appendFoldedBig5(out, stored);
}

void TypeGuess::Uses::add(int type) {
    for (int k = 0; k < firstCount; ++k)
        if (first[static_cast<std::size_t>(k)].type == type) return void(++first[static_cast<std::size_t>(k)].count);
    if (firstCount < static_cast<int>(first.size())) {
        first[static_cast<std::size_t>(firstCount++)] = Use{type, 1};
        return;
    }
    for (Use& use : rest)
        if (use.type == type) return void(++use.count);
    rest.push_back(Use{type, 1});
}

TypeGuess::TypeGuess(const AccountDB& db, const std::vector<std::string>& comments) : entryOfRow(comments.size(), -1) {
    // Each distinct comment asked about once, keyed by the caller's texts.
    std::unordered_map<std::string_view, int> entryOf;
    entryOf.reserve(comments.size());
    for (std::size_t row = 0; row < comments.size(); ++row) {
        if (comments[row].empty()) continue;
        entryOfRow[row] = entryOf.try_emplace(comments[row], static_cast<int>(entryOf.size())).first->second;
    }
    if (entryOf.empty()) return;
    entries.resize(entryOf.size());
    std::string folded;
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        const std::string_view comment = storedText(record.comment());
        if (comment.empty() || record.type() < 0 || record.type() >= TypeIdTable::capacity) continue;
        folded.clear();
        appendFoldedStored(folded, comment, db.format() == 2);
        const auto found = entryOf.find(folded);
        if (found != entryOf.end()) entries[static_cast<std::size_t>(found->second)].add(record.type());
    }
}

std::optional<int> TypeGuess::typeFor(std::size_t row) const {
    const int entry = row < entryOfRow.size() ? entryOfRow[row] : -1;
    if (entry < 0) return std::nullopt;
    const Uses& uses = entries[static_cast<std::size_t>(entry)];
    if (uses.firstCount == 0) return std::nullopt;
    // In the order first used, so the first of the most used wins a tie.
    Use best = uses.first[0];
    for (int k = 1; k < uses.firstCount; ++k)
        if (uses.first[static_cast<std::size_t>(k)].count > best.count) best = uses.first[static_cast<std::size_t>(k)];
    for (const Use& use : uses.rest)
        if (use.count > best.count) best = use;
    return best.type;
}

// ---- Type names ----------------------------------------------------------------

StatementTypes::StatementTypes(const AccountDB& db, BookTextCodec& codec) : codec(codec) {
    for (int position = 0; position < db.typeCount(); ++position) {
        const KestLib::TransType& type = db.typeAt(position);
        if (type.id() < 0 || type.id() >= TypeIdTable::capacity) continue;
        std::string& name = names[static_cast<std::size_t>(type.id())];
        name = codec.toUtf8(type.name());
        // The name as shown settles to the book's type, even where the
        // stored bytes wouldn't convert back to it exactly.
        settled.try_emplace(name, Settled{type.id(), StatementFault::Reason::NotStorable, false});
    }
}

const std::string& StatementTypes::nameOf(int id) const {
    static const std::string none;
    return id >= 0 && id < TypeIdTable::capacity ? names[static_cast<std::size_t>(id)] : none;
}

const StatementTypes::Settled& StatementTypes::settle(const std::string& utf8Name, BookAdditions& additions) {
    if (const auto known = settled.find(utf8Name); known != settled.end()) return known->second;
    Settled result;
    std::string stored;
    if (!codec.fromUtf8(utf8Name, stored)) {
        result.fault = StatementFault::Reason::NotStorable;
    } else if (const StoredTextFault fault = codec.fault(stored, StoredTextKind::Name);
               fault != StoredTextFault::None) {
        result.fault =
            fault == StoredTextFault::TooLong ? StatementFault::Reason::TooLong : StatementFault::Reason::NotStorable;
    } else if (const std::optional<int> slot = additions.typeSlot(stored)) {
        result.slot = slot;
        result.isNew = additions.isNewType(*slot);
        if (result.isNew) created.push_back(utf8Name);
    } else {
        result.fault = StatementFault::Reason::TooManyTypes;
    }
    return settled.emplace(utf8Name, result).first->second;
}

}  // namespace PwText
