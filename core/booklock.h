#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace KestLib {

// An exclusive advisory lock (flock) on the book file at path, held until it
// is destroyed. Every program that saves a book holds it from the read it
// bases the save on to the rename that replaces the file, so two saves take
// turns and the second reads what the first wrote; none holds it while it
// waits for a person.
//
// The lock is taken on a descriptor opened for writing, so the program run
// by one who may only read the book never takes it, and never holds up its
// writers (nor could it save the book). flock itself asks nothing of how a
// file was opened, so another program of such a reader still could; a save
// then waits where it is seen, and gives up, never waiting without end. (A
// lock file beside the book that only its writers could open would keep
// such programs out too, but would be left behind by every book, need the
// book's permissions and owners kept in step, and be removed from under a
// waiting save by a careless clean-up.) A save
// replaces the file by a rename, which leaves the lock on the file that was
// replaced; a lock taken just then finds the path naming another file and
// locks that one instead. Nothing is held where there is nothing to lock: no
// regular file (nobody can have read it, and a save that creates the file
// refuses one that appears meanwhile), a file this user can't write (the
// save refuses it), or a file system without locks (the window's check of
// the file's identity is then the only guard).
class BookLock {
public:
    // Tries once, never waiting: none while another program holds it.
    // Throws "File open error" when the file can't be looked at.
    static std::optional<BookLock> tryTake(const std::string& path);
    // Tries until the lock is free or patience has run out; none when it has.
    static std::optional<BookLock> waitFor(const std::string& path, std::chrono::milliseconds patience);

    BookLock(BookLock&& other) noexcept;
    BookLock& operator=(BookLock&& other) noexcept;
    ~BookLock();

    bool holdsFile() const { return fd >= 0; }

private:
    explicit BookLock(int fd) : fd(fd) {}
    int fd = -1;
};

}  // namespace KestLib
