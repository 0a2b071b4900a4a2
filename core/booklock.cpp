#include "core/booklock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>
#include <utility>

#include "core/errormsg.h"

namespace KestLib {

namespace {

// How often a waiting save tries again: short beside a save, long beside
// the cost of a try.
constexpr std::chrono::milliseconds pollInterval{50};

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

std::optional<BookLock> BookLock::tryTake(const std::string& path) {
    for (;;) {
        // Only a regular file is opened: opening a device or a FIFO can do
        // more than open it.
        struct stat before {};
        if (::stat(path.c_str(), &before) != 0) {
            if (errno == ENOENT) return BookLock(-1);
            throw ErrorMsg(ErrorCode::fileOpen, path, errno);
        }
        if (!S_ISREG(before.st_mode)) return BookLock(-1);
        const int file = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (file < 0) {
            const int error = errno;
            if (error == ENOENT) continue;  // removed meanwhile: look again
            if (error == EACCES || error == EPERM || error == EROFS || error == ETXTBSY) return BookLock(-1);
            throw ErrorMsg(ErrorCode::fileOpen, path, error);
        }
        BookLock lock(file);
        struct stat held {};
        if (::fstat(file, &held) != 0 || !S_ISREG(held.st_mode)) return BookLock(-1);
        int result;
        while ((result = ::flock(file, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
        }
        if (result != 0) {
            if (errno == EWOULDBLOCK) return std::nullopt;
            if (errno == ENOLCK || errno == EOPNOTSUPP) return BookLock(-1);
            throw ErrorMsg(ErrorCode::fileOpen, path, errno);
        }
        struct stat now {};
        if (::stat(path.c_str(), &now) == 0 && sameFile(now, held)) return lock;
        // Replaced or removed just now: what is there now counts.
    }
}

std::optional<BookLock> BookLock::waitFor(const std::string& path, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (std::optional<BookLock> lock = tryTake(path)) return lock;
        const auto left = deadline - std::chrono::steady_clock::now();
        if (left <= std::chrono::steady_clock::duration::zero()) return std::nullopt;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(pollInterval, left));
    }
}

BookLock::BookLock(BookLock&& other) noexcept : fd(std::exchange(other.fd, -1)) {}

BookLock& BookLock::operator=(BookLock&& other) noexcept {
    if (this != &other) {
        if (fd >= 0) ::close(fd);
        fd = std::exchange(other.fd, -1);
    }
    return *this;
}

BookLock::~BookLock() {
    // Closing the only descriptor of the open file releases the lock.
    if (fd >= 0) ::close(fd);
}

}  // namespace KestLib
