#include "core/bookassembly.h"

namespace KestLib {

void BookAssembly::addType(int id, std::string name) {
    const bool ascending = db.types.size() == 0 || id > db.types.at(db.types.size() - 1).id();
    if (id < 0 || id >= TypeIdTable::capacity || !ascending) throw ErrorMsg(ErrorCode::damaged);
    for (int j = 0; j < db.types.size(); ++j)
        if (db.types.at(j).name() == name) throw ErrorMsg(ErrorCode::damaged);
    TransType type;
    type.setId(id);
    type.setName(std::move(name));
    positionOfId[static_cast<std::size_t>(id)] = db.types.size();
    db.types.append(std::move(type));
    db.typeIds.reserveTypeId(id);
}

AccountDB BookAssembly::finish() {
    if (!indexesAscend) {
        std::vector<int> indexes(static_cast<std::size_t>(db.transCount()));
        for (int i = 0; i < db.transCount(); ++i) indexes[static_cast<std::size_t>(i)] = db.transactions.at(i).index();
        std::sort(indexes.begin(), indexes.end());
        if (std::adjacent_find(indexes.begin(), indexes.end()) != indexes.end()) throw ErrorMsg(ErrorCode::damaged);
    }
    db.modified = false;
    db.formatKept = true;
    return std::move(db);
}

}  // namespace KestLib
