#pragma once

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>
#include <vector>

#include "core/bulkmemory.h"
#include "core/errormsg.h"

namespace KestLib {

// The container both record lists live in. A stored record never moves, so
// a reference handed out by the database stays valid until that record is
// removed or the array is cleared: records sit in blocks that are never
// moved or resized, and only the pointers that give their order move.
// Blocks grow geometrically (a block of a loaded book is as big as the book)
// and a removed record's place is taken by the next record added, so a book
// costs its records and a pointer each, not a heap allocation per record.
template <typename Record>
class RecordArray {
public:
    RecordArray() = default;
    RecordArray(const RecordArray&) = delete;
    RecordArray& operator=(const RecordArray&) = delete;
    RecordArray(RecordArray&& other) noexcept { takeFrom(other); }
    RecordArray& operator=(RecordArray&& other) noexcept {
        if (this != &other) {
            clear();
            takeFrom(other);
        }
        return *this;
    }
    ~RecordArray() { clear(); }

    int size() const { return static_cast<int>(items.size()); }
    // Free pointer slots after the last record.
    int spare() const { return static_cast<int>(items.capacity() - items.size()); }

    Record& at(int position) { return *items[checked(position)]; }
    const Record& at(int position) const { return *items[checked(position)]; }

    Record& append(const Record& record) { return append(Record(record)); }
    Record& append(Record&& record) { return insertAt(std::move(record), size()); }

    // A position past the end appends.
    Record& insertAt(const Record& record, int position) { return insertAt(Record(record), position); }
    Record& insertAt(Record&& record, int position) {
        if (position < 0 || position > size()) position = size();
        // Room for the pointer first, so that nothing can fail once the
        // record is built in its place.
        if (items.size() == items.capacity()) items.reserve(std::max<std::size_t>(8, items.size() * 2));
        void* place = freePlace();
        Record* stored = new (place) Record(std::move(record));
        items.insert(items.begin() + position, stored);
        return *stored;
    }

    // A position outside the array does nothing.
    void removeAt(int position) {
        if (position < 0 || position >= size()) return;
        Record* record = items[static_cast<std::size_t>(position)];
        // The freed place is listed before the pointer goes, so nothing is
        // lost if listing it fails.
        freed.push_back(record);
        items.erase(items.begin() + position);
        record->~Record();
    }

    // Calls visit with every record, in list order.
    template <typename Visit>
    void forEach(Visit&& visit) const {
        for (const Record* record : items) visit(*record);
    }

    void clear() {
        for (Record* record : items) record->~Record();
        for (const Block& block : blocks) freeBulk(block.memory, block.capacity * sizeof(Record));
        items.clear();
        items.shrink_to_fit();
        blocks.clear();
        blocks.shrink_to_fit();
        freed.clear();
        freed.shrink_to_fit();
        unused = 0;
    }

    // Room for count records in all, the pointers included, so that adding
    // up to count neither allocates nor moves anything.
    void reserve(int count) {
        if (count <= size()) return;
        const std::size_t wanted = static_cast<std::size_t>(count);
        items.reserve(wanted);
        const std::size_t missing = wanted - items.size();
        if (missing > freed.size() + unused) addBlock(missing - freed.size());
    }

private:
    struct Block {
        void* memory;
        std::size_t capacity;  // records
    };

    // A small list starts with a small block; each later block is as big as
    // all before it, up to a size that is cheap to leave partly empty.
    static constexpr std::size_t firstBlock = 16;
    static constexpr std::size_t largestBlock =
        std::max<std::size_t>(firstBlock, (std::size_t{4} << 20) / sizeof(Record));

    std::size_t checked(int position) const {
        if (position < 0 || position >= size()) throw ErrorMsg(ErrorCode::outOfBound);
        return static_cast<std::size_t>(position);
    }

    // Where the next record goes.
    void* freePlace() {
        if (!freed.empty()) {
            void* place = freed.back();
            freed.pop_back();
            return place;
        }
        if (unused == 0) {
            std::size_t total = 0;
            for (const Block& block : blocks) total += block.capacity;
            addBlock(std::clamp(total, firstBlock, largestBlock));
        }
        const Block& last = blocks.back();
        void* place = static_cast<Record*>(last.memory) + (last.capacity - unused);
        --unused;
        return place;
    }

    // A new block for at least capacity records; what is left unused of the
    // last block is given up (a reserve for a loaded book comes first, so
    // little is).
    void addBlock(std::size_t capacity) {
        blocks.reserve(blocks.size() + 1);
        capacity = bulkSize(capacity * sizeof(Record)) / sizeof(Record);
        void* memory = allocateBulk(capacity * sizeof(Record));
        blocks.push_back({memory, capacity});
        unused = capacity;
    }

    void takeFrom(RecordArray& other) {
        items = std::move(other.items);
        blocks = std::move(other.blocks);
        freed = std::move(other.freed);
        unused = std::exchange(other.unused, 0);
        other.items.clear();
        other.blocks.clear();
        other.freed.clear();
    }

    std::vector<Record*, BulkAllocator<Record*>> items;  // in list order
    std::vector<Block> blocks;
    std::vector<Record*> freed;  // places of removed records, taken first
    std::size_t unused = 0;      // places never used at the end of the last block
};

}  // namespace KestLib
