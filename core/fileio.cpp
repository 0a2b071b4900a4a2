#include "fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "errormsg.h"

namespace KestLib {
namespace {

// Closes the descriptor on every way out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd(fd) {}
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd; }
    // Closes now, reporting the error that a deferred write may only show here.
    bool close() {
        const int result = ::close(fd);
        fd = -1;
        return result == 0;
    }

private:
    int fd;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A link is followed, so that saving through it replaces the file it names
// rather than the link itself.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        auto target = std::filesystem::canonical(path, error);
        if (!error) return target.string();
    }
    return path;
}

void syncFolderOf(const std::string& path) {
    auto folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes) {
    const std::string target = resolvedTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || ::access(target.c_str(), W_OK) != 0))
        throw ErrorMsg(Msg::fileOpen);

    std::string temporary = target + ".XXXXXX";
    FileDescriptor file(::mkstemp(temporary.data()));
    if (file.get() < 0) throw ErrorMsg(Msg::fileOpen);

    auto fail = [&](const char* message) {
        ::unlink(temporary.c_str());
        throw ErrorMsg(message);
    };
    ::fchmod(file.get(), exists ? (existing.st_mode & 07777) : modeForNewFile());
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.close()) fail(Msg::fileWrite);
    if (::rename(temporary.c_str(), target.c_str()) != 0) fail(Msg::fileWrite);
    syncFolderOf(target);
}

}  // namespace KestLib
