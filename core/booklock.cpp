#include "booklock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "errormsg.h"

namespace KestLib {

BookLock::BookLock(const std::string& path) {
    for (;;) {
        // Without blocking, so that a FIFO under the book's name can't stall
        // the open; only a regular file is locked.
        const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0) {
            if (errno == ENOENT) return;
            throw ErrorMsg(ErrorCode::fileOpen, path, errno);
        }
        struct stat held {};
        if (::fstat(file, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(file);
            return;
        }
        int result;
        while ((result = ::flock(file, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (result != 0) {
            const int error = errno;
            ::close(file);
            // A file system without locks still saves; the window's check of
            // the file's identity is then the only guard.
            if (error == ENOLCK || error == EOPNOTSUPP) return;
            throw ErrorMsg(ErrorCode::fileOpen, path, error);
        }
        struct stat now {};
        if (::stat(path.c_str(), &now) == 0 && now.st_dev == held.st_dev && now.st_ino == held.st_ino) {
            fd = file;
            return;
        }
        // Replaced or removed while this waited: what is there now counts.
        ::close(file);
    }
}

BookLock::~BookLock() {
    // Closing the only descriptor of the open file releases the lock.
    if (fd >= 0) ::close(fd);
}

}  // namespace KestLib
