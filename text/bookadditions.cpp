#include "text/bookadditions.h"

#include "core/accountdb.h"

using KestLib::AccountDB;
using KestLib::Transaction;

namespace PwText {

StoredTextFault storedTextFault(std::string_view big5) {
    if (big5.find('\0') != std::string_view::npos) return StoredTextFault::ZeroByte;
    if (big5.size() > maxStoredTextBytes) return StoredTextFault::TooLong;
    return StoredTextFault::None;
}

std::string shownText(std::string_view utf8) {
    constexpr int maxCharacters = 40;
    std::string out;
    int characters = 0;
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(utf8[k]);
        if ((c & 0xC0) != 0x80 && ++characters > maxCharacters) {
            out.append("\xE2\x80\xA6");  // …
            break;
        }
        out.push_back(c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c));
    }
    return out;
}

BookAdditions::BookAdditions(const AccountDB& db) : bookTypes(db.typeCount()) {
    knownTypes.reserve(static_cast<std::size_t>(bookTypes) * 2);
    for (int position = 0; position < bookTypes; ++position)
        knownTypes.emplace(db.typeAt(position).name(), db.typeAt(position).id());
}

std::optional<int> BookAdditions::typeSlot(const std::string& name) {
    if (const auto known = knownTypes.find(name); known != knownTypes.end()) return known->second;
    if (bookTypes + static_cast<int>(typesToCreate.size()) >= KestLib::TypeIdTable::capacity) return std::nullopt;
    const int slot = newTypeBase + static_cast<int>(typesToCreate.size());
    typesToCreate.push_back(name);
    knownTypes.emplace(name, slot);
    return slot;
}

void BookAdditions::addTransaction(int year, int month, int day, std::int32_t amount, bool income, int typeSlot,
                                   std::string comment) {
    pending.push_back(PendingTransaction{year, static_cast<std::int16_t>(month), static_cast<std::int16_t>(day), amount,
                                         income, typeSlot, std::move(comment)});
}

// Every check was made before, so nothing here should throw but a failing
// allocation; then what was added is taken back, so that the book is left
// as it was after all.
void BookAdditions::applyTo(AccountDB& db) const {
    const int transCountBefore = db.transCount();
    const int lastIndexBefore = db.lastIndex();
    const bool modifiedBefore = db.isModified();
    std::vector<int> newTypeIds;
    newTypeIds.reserve(typesToCreate.size());
    try {
        for (const std::string& name : typesToCreate) {
            db.addType(name);
            newTypeIds.push_back(db.findType(name).id());
        }
        Transaction record;
        for (const PendingTransaction& row : pending) {
            record.setDate(row.year, row.month, row.day);
            record.setAmount(row.amount);
            record.setIncome(row.income);
            record.setType(isNewType(row.typeSlot) ? newTypeIds[static_cast<std::size_t>(row.typeSlot - newTypeBase)]
                                                   : row.typeSlot);
            record.setComment(row.comment);
            db.addTransaction(record);
        }
    } catch (...) {
        while (db.transCount() > transCountBefore) db.deleteTransactionAt(db.transCount() - 1);
        for (auto id = newTypeIds.rbegin(); id != newTypeIds.rend(); ++id) db.deleteType(db.typeById(*id));
        db.restoreLastIndex(lastIndexBefore);
        db.setModified(modifiedBefore);
        throw;
    }
}

}  // namespace PwText
