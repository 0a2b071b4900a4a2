#include "core/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "core/errormsg.h"

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
        if (error) throw ErrorMsg(ErrorCode::fileOpenForWriting, given, error.value());
        path = path.parent_path() / link;  // an absolute link replaces the whole path
    }
    throw ErrorMsg(ErrorCode::fileOpenForWriting, given, ELOOP);
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

// The file a write replaces or creates, once every refusal that needs no
// writing was made.
struct Target {
    std::filesystem::path path;  // links followed, unless the options say not to
    std::string name;            // in its folder
    std::filesystem::path folder;
    bool exists = false;  // a file there to replace (a link not followed isn't one)
    struct stat status {};
};

// Every failure names the path the caller gave, the one the user knows, with
// the errno of the step that failed.
[[noreturn]] void refuse(const std::string& given, ErrorCode code, int error) { throw ErrorMsg(code, given, error); }

Target resolveTarget(const std::string& given, const WriteOptions& options) {
    Target target;
    target.path = options.followLinks ? followLinks(given) : std::filesystem::path(given);
    target.name = target.path.filename().string();
    if (target.name.empty() || target.name == "." || target.name == "..")
        refuse(given, ErrorCode::fileOpenForWriting, EISDIR);
    target.folder = target.path.parent_path();
    if (target.folder.empty()) target.folder = ".";

    const int found = options.followLinks ? ::stat(target.path.c_str(), &target.status)
                                          : ::lstat(target.path.c_str(), &target.status);
    // A name too long for the file system, or a folder that can't be
    // searched, would only fail at the rename, after all the writing.
    if (found != 0 && errno != ENOENT) refuse(given, ErrorCode::fileOpenForWriting, errno);
    if (found == 0 && !options.replace) refuse(given, ErrorCode::fileOpenForWriting, EEXIST);
    const mode_t type = target.status.st_mode & S_IFMT;
    // A link not followed is replaced by the file; there is nothing of it to keep.
    target.exists = found == 0 && type != S_IFLNK;
    if (target.exists && type != S_IFREG)
        refuse(given, ErrorCode::fileOpenForWriting, type == S_IFDIR ? EISDIR : EPERM);
    // A file marked read-only is left alone even by a user who could write it.
    if (target.exists && (target.status.st_mode & 0222) == 0) refuse(given, ErrorCode::fileOpenForWriting, EACCES);
    if (target.exists && ::access(target.path.c_str(), W_OK) != 0) refuse(given, ErrorCode::fileOpenForWriting, errno);
    // The new file is made beside the target, and renamed in the folder.
    if (::access(target.folder.c_str(), W_OK | X_OK) != 0) refuse(given, ErrorCode::fileOpenForWriting, errno);
    return target;
}

// Gives the new file the owners it is to have, where the writer may; the
// group alone where the user can't be given. None when it has them.
std::optional<OwnersNotKept> giveOwners(const SaveCalls& calls, int file, const FileOwners& wanted,
                                        const std::string& given) {
    struct stat status {};
    if (::fstat(file, &status) != 0) return std::nullopt;  // nothing known, nothing to say
    FileOwners got{status.st_uid, status.st_gid};
    if (got == wanted || calls.fchown(file, wanted.user, wanted.group) == 0) return std::nullopt;
    if (got.group != wanted.group && calls.fchown(file, static_cast<uid_t>(-1), wanted.group) == 0)
        got.group = wanted.group;
    return OwnersNotKept{given, wanted, got};
}

}  // namespace

void checkReplaceable(const std::string& path, const WriteOptions& options) { resolveTarget(path, options); }

std::optional<OwnersNotKept> writeFileAtomically(const std::string& path, std::string_view bytes,
                                                 const SaveCalls& calls, const WriteOptions& options) {
    const Target target = resolveTarget(path, options);
    const std::string& name = target.name;
    const FileDescriptor folder(::open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0) refuse(path, ErrorCode::fileOpenForWriting, errno);

    std::string temporary;  // the new file's name beside the target, once it has one
    auto fail = [&](ErrorCode code) {
        const int error = errno;
        if (!temporary.empty()) ::unlinkat(folder.get(), temporary.c_str(), 0);
        refuse(path, code, error);
    };
    // A new file gets what the umask allows; one that replaces a file, or
    // is given permissions of its own, stays private until it has them.
    std::optional<mode_t> permissions = options.permissions;
    if (!permissions && target.exists) permissions = target.status.st_mode & 07777;
    std::optional<FileOwners> owners = options.owners;
    if (!owners && target.exists) owners = FileOwners{target.status.st_uid, target.status.st_gid};
    const mode_t createMode = permissions ? 0600 : 0666;
    std::optional<OwnersNotKept> notKept;
    auto fill = [&](int file) {
        // The owners before the mode: a change of owner may clear the mode's set-id bits.
        if (owners) notKept = giveOwners(calls, file, *owners, path);
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
        if (file.get() < 0) refuse(path, ErrorCode::fileOpenForWriting, errno);
        if (!fill(file.get()) || !file.close()) fail(ErrorCode::fileWrite);
    }

    if (options.replace) {
        if (::renameat(folder.get(), temporary.c_str(), folder.get(), name.c_str()) != 0) fail(ErrorCode::fileWrite);
    } else if (!placeWithoutReplacing(folder.get(), temporary, name)) {
        fail(errno == EEXIST ? ErrorCode::fileOpenForWriting : ErrorCode::fileWrite);
    }
    // The rename is durable only once the folder is; until then a crash may
    // bring back the old file, so the save can't be reported done.
    if (calls.fsync(folder.get()) != 0) refuse(path, ErrorCode::fileWrite, errno);
    return notKept;
}

}  // namespace KestLib
