#pragma once

#include <bitset>

namespace KestLib {

// Which of the 128 possible type ids a database has given out. Each database
// owns its own table, so clearing one frees no id of another.
class TypeIdTable {
public:
    static constexpr int capacity = 128;

    // The lowest free id, now marked in use; -1 when all 128 are taken.
    int allocTypeId() {
        for (int id = 0; id < capacity; ++id) {
            if (!used[id]) {
                used[id] = true;
                return id;
            }
        }
        return -1;
    }
    void releaseTypeId(int id) {
        if (valid(id)) used[id] = false;
    }
    void reserveTypeId(int id) {
        if (valid(id)) used[id] = true;
    }
    bool isInUse(int id) const { return valid(id) && used[id]; }
    void clearTypeIds() { used.reset(); }

private:
    static bool valid(int id) { return id >= 0 && id < capacity; }
    std::bitset<capacity> used;
};

}  // namespace KestLib
