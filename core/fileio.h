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
    int (*fsync)(int file) = ::fsync;
};

// What a write may do beyond the plain replacement of a file.
struct WriteOptions {
    // The permission bits the file gets, whether it is new or replaces one;
    // none to keep those of the file replaced (or the umask's for a new one).
    std::optional<mode_t> permissions;
    // False to create the file only: one that is there, or appears while the
    // bytes are written, is left alone and the write refused.
    bool replace = true;
};

// Replaces path with bytes so that a failure or a kill at any point leaves
// the previous file as it was, and nothing partial beside it: the bytes go to
// an unnamed file in the target's folder, which gets a name only once it is
// complete and synced and is then renamed over the target (where the file
// system can't make unnamed files, to a short-named temporary file instead).
// A link is followed; an existing file keeps its permissions, a new one gets
// those the umask allows, unless options give others. "File open error" when the target is not a writable
// regular file or nothing can be created beside it; "File write error" when
// writing, syncing, keeping the permissions or renaming fails (the old file
// then stays), or when the folder can't be synced after the rename (the new
// file is then in place but may not survive a crash). With options.replace
// false, a file already there, or one that appears meanwhile, is refused as
// "File open error" (EEXIST) and left as it is.
void writeFileAtomically(const std::string& path, std::string_view bytes,
                         const SaveCalls& calls = {}, const WriteOptions& options = {});

}  // namespace KestLib
