#include "statementbookindex.h"

#include <QString>

#include "accountdb.h"
#include "big5codec.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;

namespace PwText {

// ---- Duplicates ----------------------------------------------------------------

std::size_t DuplicateCounter::KeyHash::operator()(const Key& key) const {
    std::size_t hash = std::hash<std::string_view>{}(key.comment);
    const std::uint64_t rest = (std::uint64_t{static_cast<std::uint32_t>(key.date)} << 32 |
                                static_cast<std::uint32_t>(key.amount)) ^
                               (key.income ? 0x9E3779B97F4A7C15ULL : 0);
    hash ^= std::hash<std::uint64_t>{}(rest) + 0x9E3779B97F4A7C15ULL + (hash << 6) + (hash >> 2);
    return hash;
}

DuplicateCounter::DuplicateCounter(const AccountDB& db) {
    counts.reserve(static_cast<std::size_t>(db.transCount()));
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        ++counts[Key{record.dateCode(), record.amount(), record.isIncome(), storedText(record.comment())}];
    }
}

bool DuplicateCounter::takeMatch(const StatementRow& row, std::string_view storedComment) {
    const auto found = counts.find(Key{KestLib::packDate(row.year, row.month, row.day), row.amount, row.income,
                                       storedComment});
    if (found == counts.end() || found->second == 0) return false;
    --found->second;
    return true;
}

// ---- Type guess ----------------------------------------------------------------

std::string foldedComment(std::string_view utf8) {
    if (isAscii(utf8)) {
        std::string folded(utf8);
        for (char& c : folded)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return folded;
    }
    const QByteArray bytes =
        QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toCaseFolded().toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

TypeGuess::TypeGuess(const AccountDB& db, Big5Codec& codec) {
    // Each distinct comment is folded once; the uses are then counted per
    // folded comment and type.
    std::unordered_map<std::string_view, int> foldedIdOfComment;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> foldedIds;
    struct Use {
        int count = 0;
        int first = 0;
    };
    std::unordered_map<std::uint64_t, Use> uses;  // folded id * capacity + type id
    foldedIdOfComment.reserve(static_cast<std::size_t>(db.transCount()));
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        const std::string_view comment = storedText(record.comment());
        if (comment.empty() || record.type() < 0 || record.type() >= TypeIdTable::capacity) continue;
        auto [known, isNew] = foldedIdOfComment.try_emplace(comment, 0);
        if (isNew) {
            std::string folded = foldedComment(isAscii(comment) ? std::string(comment) : codec.big5ToUtf8Lossy(comment));
            known->second = foldedIds.try_emplace(std::move(folded), static_cast<int>(foldedIds.size())).first->second;
        }
        const std::uint64_t key = std::uint64_t(known->second) * TypeIdTable::capacity + std::uint64_t(record.type());
        auto [use, firstUse] = uses.try_emplace(key, Use{0, position});
        ++use->second.count;
    }

    struct Best {
        int type = -1;
        Use use;
    };
    std::vector<Best> best(foldedIds.size());
    for (const auto& [key, use] : uses) {
        Best& current = best[key / TypeIdTable::capacity];
        if (current.type < 0 || use.count > current.use.count ||
            (use.count == current.use.count && use.first < current.use.first))
            current = Best{static_cast<int>(key % TypeIdTable::capacity), use};
    }
    bestType.reserve(foldedIds.size());
    for (auto& [folded, id] : foldedIds) bestType.emplace(folded, best[static_cast<std::size_t>(id)].type);
}

std::optional<int> TypeGuess::typeFor(std::string_view utf8Comment) const {
    if (utf8Comment.empty()) return std::nullopt;
    const auto found = bestType.find(foldedComment(utf8Comment));
    if (found == bestType.end()) return std::nullopt;
    return found->second;
}

// ---- Type names ----------------------------------------------------------------

StatementTypes::StatementTypes(const AccountDB& db, Big5Codec& codec) : codec(codec) {
    for (int position = 0; position < db.typeCount(); ++position) {
        const KestLib::TransType& type = db.typeAt(position);
        if (type.id() < 0 || type.id() >= TypeIdTable::capacity) continue;
        std::string& name = names[static_cast<std::size_t>(type.id())];
        name = codec.big5ToUtf8Lossy(storedText(type.name()));
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
    std::string big5;
    if (!codec.utf8ToBig5(utf8Name, big5)) {
        result.fault = StatementFault::Reason::NotStorable;
    } else if (const StoredTextFault fault = storedTextFault(big5); fault != StoredTextFault::None) {
        result.fault = fault == StoredTextFault::TooLong ? StatementFault::Reason::TooLong
                                                         : StatementFault::Reason::NotStorable;
    } else if (const std::optional<int> slot = additions.typeSlot(big5)) {
        result.slot = slot;
        result.isNew = additions.isNewType(*slot);
        if (result.isNew) created.push_back(utf8Name);
    } else {
        result.fault = StatementFault::Reason::TooManyTypes;
    }
    return settled.emplace(utf8Name, result).first->second;
}

}  // namespace PwText
