#pragma once

#include <string>

namespace KestLib {

// An exclusive advisory lock (flock) on the book file at path, from the
// constructor, which waits for it, to the destructor. Every program that
// saves a book holds it from the read it bases the save on to the rename
// that replaces the file, so two saves take turns and the second reads what
// the first wrote. A save replaces the file by a rename, which leaves the
// lock on the file that was replaced; a waiter that wakes to find the path
// naming another file locks that one instead. Where no regular file is
// there, nothing is held: nobody can have read it, and a save that creates
// the file refuses one that appears meanwhile (WriteOptions::replace).
class BookLock {
public:
    explicit BookLock(const std::string& path);
    ~BookLock();
    BookLock(const BookLock&) = delete;
    BookLock& operator=(const BookLock&) = delete;

    bool holdsFile() const { return fd >= 0; }

private:
    int fd = -1;
};

}  // namespace KestLib
