#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>

namespace KestLib {

// What tells one state of a file from another without reading it: the file
// (device and inode, so a rename over it shows) and its size and last
// modification to the nanosecond, so a write within the same second shows
// too. Links are followed: it is the identity of the file a path leads to.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    // The identity of the file at path now; none when nothing is there or
    // it can't be looked at.
    static std::optional<FileIdentity> of(const std::string& path);

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// True when both paths lead to one file that is there: the same path, a link
// to it (symbolic or hard), or a name through another folder.
bool isSameFile(const std::string& first, const std::string& second);

}  // namespace KestLib
