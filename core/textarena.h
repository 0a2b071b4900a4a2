#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace KestLib {

class Transaction;

// The comments of a database's stored transactions, packed back to back in
// a few large pieces instead of one heap allocation each. Bytes are given
// out and never taken back one by one: a comment that is replaced or whose
// transaction is removed stays until the arena is cleared, which happens
// with the database. Only adding and loading put comments here, so the
// arena never holds more than the comments that were ever added.
class TextArena {
public:
    TextArena() = default;
    TextArena(const TextArena&) = delete;
    TextArena& operator=(const TextArena&) = delete;
    TextArena(TextArena&& other) noexcept;
    TextArena& operator=(TextArena&& other) noexcept;
    ~TextArena() { clear(); }

    // The next bytes bytes to be kept come from one piece.
    void reserve(std::size_t bytes);
    // Sets the record's comment, kept here when it is too long to be held in
    // the record itself. The record must be stored where it lives as long as
    // this arena (its database's record array).
    void setComment(Transaction& record, std::string_view comment);
    // The record's comment moved here when the record owns it outside.
    void keep(Transaction& record);
    void clear();

private:
    char* allocate(std::size_t bytes);

    struct Piece {
        char* memory;
        std::size_t size;
    };
    std::vector<Piece> pieces;
    char* next = nullptr;
    std::size_t left = 0;
};

}  // namespace KestLib
