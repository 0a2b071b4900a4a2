#include "fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "errormsg.h"

namespace KestLib {

int openInFolder(int folder, const char* name, int flags, mode_t mode) { return ::openat(folder, name, flags, mode); }

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

// Links are followed, so that saving through one replaces the file it names
// (or creates it, when the link dangles) rather than the link itself.
std::filesystem::path followLinks(const std::string& given) {
    std::filesystem::path path = given;
    // As many as the kernel follows before it gives up on a loop.
    for (int hops = 0; hops <= 40; ++hops) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) return path;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error) throw ErrorMsg(ErrorCode::fileOpen, given, error.value());
        path = path.parent_path() / link;  // an absolute link replaces the whole path
    }
    throw ErrorMsg(ErrorCode::fileOpen, given, ELOOP);
}

// A short name, so that it fits beside a target whose name takes all the
// bytes a name may have, and a hidden one, since it lives for an instant.
// Only its uniqueness in the folder matters, and the callers retry on a clash.
std::string temporaryName() {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<std::uint64_t>(::getpid()) << 32) ^ (++counter * 0x9E3779B97F4A7C15u);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9u;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBu;
    x ^= x >> 31;
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::string name = ".pennywell-";
    for (int i = 0; i < 8; ++i, x /= 62) name += letters[x % 62];
    return name;
}

constexpr int nameAttempts = 100;

// Gives a complete unnamed file a temporary name in folder: through the
// descriptor itself where the kernel allows it, else through /proc. The name,
// or an empty one when neither way works here.
std::string nameUnnamed(const SaveCalls& calls, int file, int folder) {
    const std::string self = "/proc/self/fd/" + std::to_string(file);
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        const std::string name = temporaryName();
        if (calls.linkat(file, "", folder, name.c_str(), AT_EMPTY_PATH) == 0) return name;
        if (errno == EEXIST) continue;
        if (calls.linkat(AT_FDCWD, self.c_str(), folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return name;
        if (errno != EEXIST) break;
    }
    return {};
}

// For file systems without unnamed files: a new file under a temporary name.
// The descriptor, or -1 with name left empty.
int createNamed(const SaveCalls& calls, int folder, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < nameAttempts; ++attempt) {
        name = temporaryName();
        const int fd = calls.openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    name.clear();
    return -1;
}

// Gives the complete file its name only if nothing has taken that name
// meanwhile: by a rename that won't replace, or, where the file system can't
// rename so, by a second link and the removal of the first. False, with errno
// set, when the name is taken (EEXIST) or the step fails.
bool placeWithoutReplacing(int folder, const std::string& temporary, const std::string& name) {
    if (::renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::linkat(folder, temporary.c_str(), folder, name.c_str(), 0) != 0) return false;
    ::unlinkat(folder, temporary.c_str(), 0);
    return true;
}

}  // namespace

void writeFileAtomically(const std::string& path, std::string_view bytes, const SaveCalls& calls,
                         const WriteOptions& options) {
    // Every failure names the path the caller gave, the one the user knows,
    // with the errno of the step that failed (taken before any clean-up).
    auto refuse = [&](ErrorCode code, int error) { throw ErrorMsg(code, path, error); };
    const std::filesystem::path target = followLinks(path);
    const std::string name = target.filename().string();
    if (name.empty() || name == "." || name == "..") refuse(ErrorCode::fileOpen, EISDIR);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A name too long for the file system, or a folder that can't be
    // searched, would only fail at the rename, after all the writing.
    if (!exists && errno != ENOENT) refuse(ErrorCode::fileOpen, errno);
    if (exists && !options.replace) refuse(ErrorCode::fileOpen, EEXIST);
    if (exists && !S_ISREG(existing.st_mode)) refuse(ErrorCode::fileOpen, S_ISDIR(existing.st_mode) ? EISDIR : EPERM);
    // A file marked read-only is left alone even by a user who could write it.
    if (exists && (existing.st_mode & 0222) == 0) refuse(ErrorCode::fileOpen, EACCES);
    if (exists && ::access(target.c_str(), W_OK) != 0) refuse(ErrorCode::fileOpen, errno);

    std::filesystem::path folderPath = target.parent_path();
    if (folderPath.empty()) folderPath = ".";
    const FileDescriptor folder(::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0) refuse(ErrorCode::fileOpen, errno);

    std::string temporary;  // the new file's name beside the target, once it has one
    auto fail = [&](ErrorCode code) {
        const int error = errno;
        if (!temporary.empty()) ::unlinkat(folder.get(), temporary.c_str(), 0);
        refuse(code, error);
    };
    // A new file gets what the umask allows; one that replaces a file, or
    // is given permissions of its own, stays private until it has them.
    std::optional<mode_t> permissions = options.permissions;
    if (!permissions && exists) permissions = existing.st_mode & 07777;
    const mode_t createMode = permissions ? 0600 : 0666;
    auto fill = [&](int file) {
        return (!permissions || calls.fchmod(file, *permissions) == 0) && writeAll(file, bytes) &&
               calls.fsync(file) == 0;
    };

    {
        FileDescriptor unnamed(calls.openat(folder.get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, createMode));
        if (unnamed.get() >= 0) {
            if (!fill(unnamed.get())) fail(ErrorCode::fileWrite);
            temporary = nameUnnamed(calls, unnamed.get(), folder.get());
            if (!temporary.empty() && !unnamed.close()) fail(ErrorCode::fileWrite);
        }
    }
    // No unnamed file, or no way to name one here: the named fallback, which
    // a kill can leave behind half written.
    if (temporary.empty()) {
        FileDescriptor file(createNamed(calls, folder.get(), createMode, temporary));
        if (file.get() < 0) refuse(ErrorCode::fileOpen, errno);
        if (!fill(file.get()) || !file.close()) fail(ErrorCode::fileWrite);
    }

    if (options.replace) {
        if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) fail(ErrorCode::fileWrite);
    } else if (!placeWithoutReplacing(folder.get(), temporary, name)) {
        fail(errno == EEXIST ? ErrorCode::fileOpen : ErrorCode::fileWrite);
    }
    // The rename is durable only once the folder is; until then a crash may
    // bring back the old file, so the save can't be reported done.
    if (calls.fsync(folder.get()) != 0) refuse(ErrorCode::fileWrite, errno);
}

}  // namespace KestLib
