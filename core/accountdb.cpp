#include "core/accountdb.h"

#include "core/utf8text.h"

namespace KestLib {

void AccountDB::checkComment(Transaction& stored) const {
    // A comment that can't be stored is kept all the same: the save refuses
    // it, and only there, as for every text of the book.
    stored.setCommentChecked(format_ == 2 && isStorableComment(stored.comment()));
}

void AccountDB::setName(const std::string& name) {
    name_ = name;
    modified = true;
}

const Transaction& AccountDB::transaction(int key, bool byIndex) const {
    if (!byIndex) return transactions.at(key);
    const int position = transPosition(key);
    if (position < 0) throw ErrorMsg(ErrorCode::noIndex);
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
    if (indexesLeft() == 0) throw ErrorMsg(ErrorCode::noIndexLeft);
    record.setIndex(lastIndex_ + 1);
    // Counted only once stored, so that running out of memory leaves the
    // book as it was, or, when the comment can't move to the arena, with
    // the record stored whole, keeping its own copy.
    Transaction& stored = transactions.append(record);
    type.incCount();
    ++lastIndex_;
    modified = true;
    comments.keep(stored);
    checkComment(stored);
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
    checkComment(stored);
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

void AccountDB::deleteTransactionAt(int position) {
    if (position < 0 || position >= transactions.size()) return;
    const int typePosition = typePositionById(transactions.at(position).type());
    if (typePosition >= 0) types.at(typePosition).decCount();
    transactions.removeAt(position);
    modified = true;
}

void AccountDB::restoreTransaction(const Transaction& record, int position) {
    TransType& type = typeByIdForChange(record.type());
    // Every index is at most lastIndex, so one above it is free without a search.
    if (record.index() <= lastIndex_ && transPosition(record.index()) >= 0) throw ErrorMsg(ErrorCode::indexInUse);
    if (position < 0 || position > transactions.size()) position = transactions.size();
    Transaction& stored = transactions.insertAt(record, position);
    comments.keep(stored);
    checkComment(stored);
    type.incCount();
    if (record.index() > lastIndex_) lastIndex_ = record.index();
    modified = true;
}

void AccountDB::restoreLastIndex(int value) {
    bool below = false;
    transactions.forEach([&](const Transaction& record) { below = below || record.index() > value; });
    if (below) throw ErrorMsg(ErrorCode::indexInUse);
    lastIndex_ = value;
    modified = true;
}

void AccountDB::restoreType(int id, const std::string& name) {
    if (id < 0 || id >= TypeIdTable::capacity || typeIds.isInUse(id)) throw ErrorMsg(ErrorCode::outOfBound);
    refuseTakenTypeName(name);
    insertType(id, name);
    typeIds.reserveTypeId(id);
}

void AccountDB::addType(const std::string& name) {
    refuseTakenTypeName(name);
    const int id = typeIds.allocTypeId();
    if (id < 0) throw ErrorMsg(ErrorCode::tooManyTypes);
    insertType(id, name);
}

void AccountDB::refuseTakenTypeName(const std::string& name) const {
    for (int position = 0; position < types.size(); ++position)
        if (types.at(position).name() == name) throw ErrorMsg::typeExists(name);
}

void AccountDB::insertType(int id, const std::string& name) {
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
    if (type.count() != 0) throw ErrorMsg(ErrorCode::typeInUse);
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
    if (position < 0) throw ErrorMsg(ErrorCode::outOfBound);
    return types.at(position);
}

TransType& AccountDB::typeByIdForChange(int id) {
    const int position = typePositionById(id);
    if (position < 0) throw ErrorMsg(ErrorCode::outOfBound);
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
    throw ErrorMsg(ErrorCode::noType);
}

namespace {

// The sum's loop, made once for each kind of type test: the common cases
// (every type, one type) then cost no test or one compare per transaction
// instead of a look into the type set, and every type reads no type at all.
template <typename TakesType>
std::int64_t sumWhere(const RecordArray<Transaction>& transactions, const Selection& selection, TakesType takesType) {
    // Plain values and one test each: the direction and the bounds are the
    // same for every transaction, so only the record's own tests can miss.
    const bool onlyIncome = selection.inOut == InOutSelector::Income;
    const bool onlyOutgoing = selection.inOut == InOutSelector::Outgoing;
    const std::uint32_t first = selection.range.firstKey();
    const std::uint32_t last = selection.range.lastKey();
    std::int64_t sum = 0;
    transactions.forEach([&](const Transaction& record) {
        if (!takesType(record)) return;
        const bool income = record.isIncome();
        if (onlyIncome && !income) return;
        if (onlyOutgoing && income) return;
        const std::uint32_t date = dateKey(record.dateCode());
        if (date < first || date > last) return;
        // -x is (x ^ -1) + 1: the sign is applied without a branch on the
        // direction, which a book's mix of incomes and outgoings would miss.
        const std::int64_t outgoing = income ? 0 : 1;
        sum += (static_cast<std::int64_t>(record.amount()) ^ -outgoing) + outgoing;
    });
    return sum;
}

}  // namespace

std::int64_t AccountDB::sum(const Selection& selection) const {
    if (selection.allTypes) return sumWhere(transactions, selection, [](const Transaction&) { return true; });
    const int only = selection.onlyType();
    if (only == Selection::noType) return 0;
    if (only != Selection::severalTypes)
        return sumWhere(transactions, selection, [only](const Transaction& record) { return record.type() == only; });
    // A copy, so that the sum's stores can't alias the type set's words and
    // make the loop read them again for every transaction.
    const auto types = selection.types;
    return sumWhere(transactions, selection, [&types](const Transaction& record) {
        const int type = record.type();
        return type >= 0 && type < TypeIdTable::capacity && types.test(static_cast<std::size_t>(type));
    });
}

std::int64_t AccountDB::sumAmount(int typeId, int inOut, std::int32_t firstDate, std::int32_t lastDate) const {
    Selection selection;
    selection.range = {firstDate, lastDate};
    selection.inOut = inOut == -1 ? InOutSelector::Both : inOut == 0 ? InOutSelector::Income : InOutSelector::Outgoing;
    if (typeId != -1) {
        // No stored type has an id outside the table, so such an id takes nothing.
        selection.allTypes = false;
        if (typeId >= 0 && typeId < TypeIdTable::capacity) selection.types.set(static_cast<std::size_t>(typeId));
    }
    return sum(selection);
}

std::array<InOutSums, TypeIdTable::capacity> AccountDB::sumByType(DateRange range) const {
    std::array<InOutSums, TypeIdTable::capacity> sums{};
    transactions.forEach([&](const Transaction& record) {
        const int type = record.type();
        if (type < 0 || type >= TypeIdTable::capacity) return;
        if (!range.takes(record.dateCode())) return;
        if (record.isIncome())
            sums[type].income += record.amount();
        else
            sums[type].outgoing -= record.amount();
    });
    return sums;
}

void AccountDB::clear() {
    transactions.clear();
    comments.clear();
    types.clear();
    lastIndex_ = 0;
    name_.clear();
    modified = false;
    formatKept = false;
    format_ = 1;
    decimals_ = 0;
    typeIds.clearTypeIds();
}

void AccountDB::reset() {
    clear();
    addType("");
}

}  // namespace KestLib
