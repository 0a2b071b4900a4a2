#pragma once

#include <sys/types.h>

#include <string>

namespace KestLib {

// A user's or a group's name as the system knows it, for a message; its
// number when it has none.
std::string userName(uid_t user);
std::string groupName(gid_t group);

}  // namespace KestLib
