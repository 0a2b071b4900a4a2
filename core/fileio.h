#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <string_view>

namespace KestLib {

// ::openat without its variable arguments.
int openInFolder(int folder, const char* name, int flags, mode_t mode);

// The system calls of a save that tests replace, to make a step fail that a
// healthy system never fails, or to take the fallbacks of file systems and
// kernels they don't run on. Each has the arguments, result and errno of the
// call it stands for; by default it is that call.
struct SaveCalls {
    int (*openat)(int folder, const char* name, int flags, mode_t mode) = openInFolder;
    int (*linkat)(int fromFolder, const char* from, int toFolder, const char* to, int flags) = ::linkat;
    int (*fchmod)(int file, mode_t mode) = ::fchmod;
    int (*fchown)(int file, uid_t owner, gid_t group) = ::fchown;
    int (*fsync)(int file) = ::fsync;
};

// The user and the group a file belongs to.
struct FileOwners {
    uid_t user = 0;
    gid_t group = 0;
    friend bool operator==(const FileOwners&, const FileOwners&) = default;
};

// What a write may do beyond the plain replacement of a file.
struct WriteOptions {
    // The permission bits the file gets, whether it is new or replaces one;
    // none to keep those of the file replaced (or the umask's for a new one).
    std::optional<mode_t> permissions;
    // The user and group the file gets; none to keep those of the file
    // replaced (a new one is the writer's).
    std::optional<FileOwners> owners;
    // False to create the file only: one that is there, or appears while the
    // bytes are written, is left alone and the write refused.
    bool replace = true;
    // False for a file of its own, such as a backup: a link at the path is
    // then replaced by the file rather than followed into the file it names.
    bool followLinks = true;
};

// A file written whose owners are not those it was to have: only the
// administrator may give a file to another user, and only a member of a
// group may give it to that group. The group is kept where the user can't be.
struct OwnersNotKept {
    std::string path;  // as the caller gave it
    FileOwners wanted;
    FileOwners got;
};

// Replaces path with bytes so that a failure or a kill at any point leaves
// the previous file as it was, and nothing partial beside it: the bytes go to
// an unnamed file in the target's folder, which gets a name only once it is
// complete and synced and is then renamed over the target (where the file
// system can't make unnamed files, to a short-named temporary file instead).
// A link is followed, unless options say not to; an existing file keeps its
// permissions, owner and group (as far as the writer may give them), a new one
// gets those the umask allows and is the writer's, unless options give
// others. "File open error" of code fileOpenForWriting when the target is
// not a writable regular file (nor, with links not followed, a link) or
// nothing can be created beside it; "File write error" when writing,
// syncing, keeping the permissions or renaming fails (the old file then
// stays), or when the folder can't be synced after the rename (the new file
// is then in place but may not survive a crash). With options.replace false,
// a file already there, or one that appears meanwhile, is refused as that
// same open error (EEXIST) and left as it is. Returns the owners it could
// not keep, if any.
std::optional<OwnersNotKept> writeFileAtomically(const std::string& path, std::string_view bytes,
                                                 const SaveCalls& calls = {}, const WriteOptions& options = {});

// The refusals of writeFileAtomically that need no writing, on their own, so
// that a save of several files refuses before it touches any: throws what
// writeFileAtomically would throw before it writes.
void checkReplaceable(const std::string& path, const WriteOptions& options = {});

}  // namespace KestLib
