#include "booksave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "errormsg.h"

namespace KestLib {

namespace {

// The backup file with exactly these permission bits, made empty when it
// doesn't exist yet; the atomic save that fills it keeps them.
void prepareBackupFile(const std::string& backup, mode_t mode) {
    const int file = ::open(backup.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, mode);
    if (file < 0) throw ErrorMsg(Msg::fileOpen, backup, errno);
    const bool kept = ::fchmod(file, mode) == 0;
    const int error = errno;
    ::close(file);
    if (!kept) throw ErrorMsg(Msg::fileWrite, backup, error);
}

}  // namespace

std::string writeBackup(const std::string& bookPath) {
    AccountDB previous;
    previous.loadFile(bookPath);
    struct stat book {};
    if (::stat(bookPath.c_str(), &book) != 0) throw ErrorMsg(Msg::fileOpen, bookPath, errno);
    std::string backup = bookPath + ".bak";
    prepareBackupFile(AccountDB::completedFileName(backup), book.st_mode & 07777);
    previous.saveFile(backup);
    return backup;
}

std::string saveWithBackup(AccountDB& db, std::string& fileName) {
    std::string backup;
    std::error_code error;
    if (std::filesystem::exists(fileName, error)) backup = writeBackup(fileName);
    db.saveFile(fileName);
    return backup;
}

}  // namespace KestLib
