#include "core/fileidentity.h"

#include <sys/stat.h>

namespace KestLib {

std::optional<FileIdentity> FileIdentity::of(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino, static_cast<std::int64_t>(status.st_size),
                        static_cast<std::int64_t>(status.st_mtim.tv_sec), status.st_mtim.tv_nsec};
}

bool isSameFile(const std::string& first, const std::string& second) {
    const auto a = FileIdentity::of(first), b = FileIdentity::of(second);
    return a && b && a->device == b->device && a->inode == b->inode;
}

}  // namespace KestLib
