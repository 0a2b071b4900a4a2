#include "accountdb.h"

#include <climits>

#include "databaseformat.h"
#include "fileio.h"

namespace KestLib {

void AccountDB::setName(const std::string& name) {
    name_ = name;
    modified = true;
}

const Transaction& AccountDB::transaction(int key, bool byIndex) const {
    if (!byIndex) return transactions.at(key);
    const int position = transPosition(key);
    if (position < 0) throw ErrorMsg(Msg::noIndex);
    return transactions.at(position);
}

int AccountDB::transPosition(int index) const {
    for (int position = 0; position < transactions.size(); ++position)
        if (transactions.at(position).index() == index) return position;
    return -1;
}

void AccountDB::addTransaction(Transaction& record) {
    TransType& type = typeByIdForChange(record.type());
    // An index is never given twice, so the numbering ends rather than wraps.
    if (lastIndex_ == INT_MAX) throw ErrorMsg(Msg::noIndexLeft);
    type.incCount();
    record.setIndex(++lastIndex_);
    transactions.append(record);
    modified = true;
}

void AccountDB::modifyTransaction(const Transaction& record) {
    const int position = transPosition(record.index());
    if (position < 0) return;
    Transaction& stored = transactions.at(position);
    if (stored.type() != record.type()) {
        // Both look-ups come first, so a bad id changes nothing.
        TransType& oldType = typeByIdForChange(stored.type());
        TransType& newType = typeByIdForChange(record.type());
        oldType.decCount();
        newType.incCount();
    }
    stored = record;
    modified = true;
}

void AccountDB::deleteTransaction(int index) {
    const int position = transPosition(index);
    if (position < 0) return;
    const int typePosition = typePositionById(transactions.at(position).type());
    if (typePosition >= 0) types.at(typePosition).decCount();
    transactions.removeAt(position);
    modified = true;
}

void AccountDB::addType(const std::string& name) {
    for (int position = 0; position < types.size(); ++position)
        if (types.at(position).name() == name) throw ErrorMsg(Msg::typeExists(name));
    const int id = typeIds.allocTypeId();
    if (id < 0) throw ErrorMsg(Msg::tooManyTypes);

    TransType type;
    type.setId(id);
    type.setName(name);
    // Kept in ascending id order, so a freed id fills its old gap.
    int position = 0;
    while (position < types.size() && types.at(position).id() < id) ++position;
    types.insertAt(type, position);
    modified = true;
}

void AccountDB::deleteType(const TransType& type) {
    if (type.count() != 0) throw ErrorMsg(Msg::typeInUse);
    const int id = type.id();  // type may be the stored record itself
    const int position = typePositionById(id);
    if (position < 0) return;
    types.removeAt(position);
    typeIds.releaseTypeId(id);
    modified = true;
}

const TransType& AccountDB::typeAt(int position) const { return types.at(position); }

const TransType& AccountDB::typeById(int id) const {
    const int position = typePositionById(id);
    if (position < 0) throw ErrorMsg(Msg::outOfBound);
    return types.at(position);
}

TransType& AccountDB::typeByIdForChange(int id) {
    const int position = typePositionById(id);
    if (position < 0) throw ErrorMsg(Msg::outOfBound);
    return types.at(position);
}

int AccountDB::typePositionById(int id) const {
    for (int position = 0; position < types.size(); ++position)
        if (types.at(position).id() == id) return position;
    return -1;
}

const TransType& AccountDB::findType(const std::string& name) const {
    for (int position = 0; position < types.size(); ++position)
        if (types.at(position).name() == name) return types.at(position);
    throw ErrorMsg(Msg::noType);
}

std::int64_t AccountDB::sumAmount(int typeId, int inOut, std::int32_t firstDate, std::int32_t lastDate) const {
    const bool filterDates = firstDate != -1 || lastDate != -1;
    std::int64_t sum = 0;
    for (int position = 0; position < transactions.size(); ++position) {
        const Transaction& record = transactions.at(position);
        if (typeId != -1 && record.type() != typeId) continue;
        if (inOut == 0 && !record.isIncome()) continue;
        if (inOut != -1 && inOut != 0 && record.isIncome()) continue;
        if (filterDates) {
            const std::int32_t date = record.dateCode();
            if (firstDate != -1 && date < firstDate) continue;
            if (lastDate != -1 && date > lastDate) continue;
        }
        sum += record.isIncome() ? record.amount() : -static_cast<std::int64_t>(record.amount());
    }
    return sum;
}

std::array<InOutSums, TypeIdTable::capacity> AccountDB::sumByType(std::int32_t firstDate,
                                                                   std::int32_t lastDate) const {
    std::array<InOutSums, TypeIdTable::capacity> sums{};
    const bool filterDates = firstDate != -1 || lastDate != -1;
    for (int position = 0; position < transactions.size(); ++position) {
        const Transaction& record = transactions.at(position);
        const int id = record.type();
        if (id < 0 || id >= TypeIdTable::capacity) continue;
        if (filterDates) {
            const std::int32_t date = record.dateCode();
            if (firstDate != -1 && date < firstDate) continue;
            if (lastDate != -1 && date > lastDate) continue;
        }
        if (record.isIncome())
            sums[id].income += record.amount();
        else
            sums[id].outgoing -= record.amount();
    }
    return sums;
}

void AccountDB::clear() {
    transactions.clear();
    types.clear();
    lastIndex_ = 0;
    name_.clear();
    modified = false;
    typeIds.clearTypeIds();
}

void AccountDB::reset() {
    clear();
    addType("");
}

void AccountDB::saveFile(std::string& fileName) {
    static const std::string extension = ".pwdb";
    if (fileName.size() < extension.size() || fileName.compare(fileName.size() - extension.size(), extension.size(), extension) != 0)
        fileName += extension;
    // Encoding first: a text too long for the format is refused before the
    // file is touched.
    writeFileAtomically(fileName, encodeDatabase(*this));
    modified = false;
}

void AccountDB::loadFile(const std::string& fileName) { loadBytes(readWholeFile(fileName)); }

void AccountDB::loadBytes(std::string_view bytes) { *this = decodeDatabase(bytes); }

}  // namespace KestLib
