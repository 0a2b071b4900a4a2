#include "core/exportclash.h"

#include <sys/stat.h>

#include <fstream>

#include "core/databaseformat.h"
#include "core/errormsg.h"
#include "core/fileidentity.h"
#include "core/saveplan.h"

namespace KestLib {

namespace {

// Only a regular file is read: opening a pipe or a device to look at it
// could wait or take its bytes.
bool holdsABook(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    std::ifstream in(path, std::ios::binary);
    std::string head(databaseMagicSize(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return startsAsDatabase(head);
}

// The backup the book's next save writes, as the save itself names it; none
// when the name would be too long to exist.
std::string backupOf(const std::string& book) {
    try {
        return SavePlan::make(book, book).backupFile();
    } catch (const ErrorMsg&) {
        return {};
    }
}

}  // namespace

ExportClash exportClash(const std::string& output, const std::string& book) {
    if (isSameFile(output, book)) return ExportClash::Book;
    const std::string backup = backupOf(book);
    if (!backup.empty() && isSameFile(output, backup)) return ExportClash::Backup;
    if (holdsABook(output)) return ExportClash::OtherBook;
    return ExportClash::None;
}

}  // namespace KestLib
