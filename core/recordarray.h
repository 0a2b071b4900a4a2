#pragma once

#include <memory>
#include <vector>

#include "errormsg.h"

namespace KestLib {

// The container both record lists live in. Each record is allocated on its
// own and never moves once stored, so a reference handed out by the database
// stays valid until that record is removed or the array is cleared. Only the
// pointers move; they grow geometrically, so appending is amortised O(1).
template <typename Record>
class RecordArray {
public:
    RecordArray() = default;
    RecordArray(RecordArray&&) noexcept = default;
    RecordArray& operator=(RecordArray&&) noexcept = default;

    int size() const { return static_cast<int>(items.size()); }
    // Free pointer slots after the last record.
    int spare() const { return static_cast<int>(items.capacity() - items.size()); }

    Record& at(int position) { return *items[checked(position)]; }
    const Record& at(int position) const { return *items[checked(position)]; }

    Record& append(const Record& record) { return append(Record(record)); }
    Record& append(Record&& record) {
        items.push_back(std::make_unique<Record>(std::move(record)));
        return *items.back();
    }

    // A position past the end appends.
    Record& insertAt(const Record& record, int position) {
        if (position < 0 || position > size()) position = size();
        auto it = items.insert(items.begin() + position, std::make_unique<Record>(record));
        return **it;
    }

    // A position outside the array does nothing.
    void removeAt(int position) {
        if (position < 0 || position >= size()) return;
        items.erase(items.begin() + position);
    }

    void clear() {
        items.clear();
        items.shrink_to_fit();
    }

    void reserve(int count) { items.reserve(static_cast<std::size_t>(count)); }

private:
    std::size_t checked(int position) const {
        if (position < 0 || position >= size()) throw ErrorMsg(Msg::outOfBound);
        return static_cast<std::size_t>(position);
    }

    std::vector<std::unique_ptr<Record>> items;
};

}  // namespace KestLib
