#include "core/booksave.h"

#include <sys/stat.h>

#include <cerrno>

#include "core/databaseformat.h"
#include "core/errormsg.h"

namespace KestLib {

BookSave::BookSave(SavePlan plan) : plan_(std::move(plan)) {
    if (plan_.backupSource().empty()) return;
    previous.loadFile(plan_.backupSource());
    struct stat status {};
    if (::stat(plan_.backupSource().c_str(), &status) != 0)
        throw ErrorMsg(ErrorCode::fileOpen, plan_.backupSource(), errno);
    previousMode = status.st_mode & 07777;
    previousOwners = {status.st_uid, status.st_gid};
}

SaveReport BookSave::write(AccountDB& db, const SaveCalls& calls) {
    // Encoding first: a text too long for the format is refused before any
    // file, the backup included, is touched.
    const std::string bytes = encodeDatabase(db);
    WriteOptions book;
    book.replace = !plan_.createsTarget();
    WriteOptions backup;
    backup.permissions = previousMode | S_IWUSR;
    backup.owners = previousOwners;
    backup.followLinks = false;
    WriteOptions kept = backup;
    kept.replace = false;

    checkReplaceable(plan_.target(), book);
    const bool backsUp = !plan_.backupSource().empty();
    if (backsUp) checkReplaceable(plan_.backupFile(), backup);
    if (!plan_.keptVersion().empty()) checkReplaceable(plan_.keptVersion(), kept);

    SaveReport report;
    auto note = [&](std::optional<OwnersNotKept> notKept) {
        if (notKept) report.ownersNotKept.push_back(std::move(*notKept));
    };
    if (backsUp) {
        const std::string previousBytes = encodeDatabase(previous);
        if (!plan_.keptVersion().empty()) {
            note(writeFileAtomically(plan_.keptVersion(), previousBytes, calls, kept));
            report.keptVersion = plan_.keptVersion();
        }
        note(writeFileAtomically(plan_.backupFile(), previousBytes, calls, backup));
    }
    note(writeFileAtomically(plan_.target(), bytes, calls, book));
    db.markSaved();
    return report;
}

}  // namespace KestLib
