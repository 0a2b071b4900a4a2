#pragma once

#include <cerrno>
#include <new>
#include <string>
#include <utility>

#include "core/errormsg.h"

namespace KestLib {

// Runs read, which brings the file named file into memory, and returns what
// it returns. A file can be too big for the memory at hand, or claim to be:
// running out of memory there is the error that names the file ("not enough
// memory to read FILE", with ENOMEM), which every program reports as it
// reports an unreadable file, rather than an end of the program.
template <typename Read>
decltype(auto) readingFile(const std::string& file, Read&& read) {
    try {
        return std::forward<Read>(read)();
    } catch (const std::bad_alloc&) {
        throw ErrorMsg(ErrorCode::notEnoughMemory, file, ENOMEM);
    }
}

}  // namespace KestLib
