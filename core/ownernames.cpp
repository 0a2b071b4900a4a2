#include "core/ownernames.h"

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace KestLib {

namespace {

// The buffer the reentrant look-ups need, as large as the system suggests.
std::vector<char> lookupBuffer(int which) {
    const long suggested = ::sysconf(which);
    return std::vector<char>(suggested > 0 ? static_cast<std::size_t>(suggested) : 16384);
}

}  // namespace

std::string userName(uid_t user) {
    std::vector<char> buffer = lookupBuffer(_SC_GETPW_R_SIZE_MAX);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(user, &entry, buffer.data(), buffer.size(), &found) == 0 && found) return found->pw_name;
    return std::to_string(user);
}

std::string groupName(gid_t group) {
    std::vector<char> buffer = lookupBuffer(_SC_GETGR_R_SIZE_MAX);
    struct group entry {};
    struct group* found = nullptr;
    if (::getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) == 0 && found) return found->gr_name;
    return std::to_string(group);
}

}  // namespace KestLib
