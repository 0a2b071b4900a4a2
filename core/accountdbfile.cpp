#include "core/accountdb.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>

#include "core/databaseformat.h"
#include "core/fileio.h"
#include "core/readingfile.h"

// The book's side that meets its file: the format the book is kept in and the
// safe write. Apart from the rest of AccountDB so that the format may read
// into a book without the book's own code reaching back into the format.

namespace KestLib {

std::string AccountDB::completedFileName(std::string fileName) {
    static const std::string extension = ".pwdb";
    if (!fileName.ends_with(extension)) fileName += extension;
    return fileName;
}

void AccountDB::saveFile(std::string& fileName) {
    fileName = completedFileName(std::move(fileName));
    // Encoding first: a text too long for the format is refused before the
    // file is touched.
    writeFileAtomically(fileName, encodeDatabase(*this));
    markSaved();
}

void AccountDB::loadFile(const std::string& fileName) {
    // Read in pieces rather than whole, so that a large book is not held in
    // memory twice while it is decoded.
    struct stat status {};
    if (::stat(fileName.c_str(), &status) != 0) throw ErrorMsg(ErrorCode::fileOpen, fileName, errno);
    if (!S_ISREG(status.st_mode))
        throw ErrorMsg(ErrorCode::fileOpen, fileName, S_ISDIR(status.st_mode) ? EISDIR : EPERM);
    errno = 0;
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open()) throw ErrorMsg(ErrorCode::fileOpen, fileName, errno != 0 ? errno : EIO);
    try {
        *this = readingFile(fileName, [&] { return decodeDatabase(file, static_cast<std::uint64_t>(status.st_size)); });
    } catch (ErrorMsg& error) {
        // Which file was foreign, damaged or unreadable.
        error.setPath(fileName);
        throw;
    }
}

void AccountDB::loadBytes(std::string_view bytes) { *this = decodeDatabase(bytes); }

}  // namespace KestLib
