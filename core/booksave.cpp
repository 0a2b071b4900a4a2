#include "booksave.h"

#include <sys/stat.h>

#include <cerrno>

#include "databaseformat.h"
#include "errormsg.h"
#include "fileio.h"

namespace KestLib {

BookSave::BookSave(SavePlan plan) : plan_(std::move(plan)) {
    if (plan_.backupSource().empty()) return;
    previous.loadFile(plan_.backupSource());
    struct stat status {};
    if (::stat(plan_.backupSource().c_str(), &status) != 0) throw ErrorMsg(ErrorCode::fileOpen, plan_.backupSource(), errno);
    previousMode = status.st_mode & 07777;
}

void BookSave::write(AccountDB& db) {
    // Encoding first: a text too long for the format is refused before any
    // file, the backup included, is touched.
    const std::string bytes = encodeDatabase(db);
    if (!plan_.backupSource().empty()) {
        WriteOptions backup;
        backup.permissions = previousMode;
        writeFileAtomically(plan_.backupFile(), encodeDatabase(previous), {}, backup);
    }
    WriteOptions book;
    book.replace = !plan_.createsTarget();
    writeFileAtomically(plan_.target(), bytes, {}, book);
    db.setModified(false);
}

}  // namespace KestLib
