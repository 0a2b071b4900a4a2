#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "core/accountdb.h"
#include "core/fileio.h"
#include "core/saveplan.h"

namespace KestLib {

// What a save did beyond writing the book, for the user to be told.
struct SaveReport {
    // The version another program saved, kept under a name of its own;
    // empty when the plan kept none.
    std::string keptVersion;
    // Each file written that could not keep the owners it was to have.
    std::vector<OwnersNotKept> ownersNotKept;
};

// A save carried out by its plan, with the BookLock on the plan's target
// held throughout. Nothing is written before write().
class BookSave {
public:
    // Reads the backup's source as a book now, so that a damaged file stops
    // the save before anything is asked or written.
    explicit BookSave(SavePlan plan);

    const SavePlan& plan() const { return plan_; }

    // Every file is checked before any is written, so that a refusal, of the
    // book or of its backup, leaves them all as they were. Then the version
    // to keep, if any; the backup, written again under its name as a file
    // of its own (a link there is replaced, never written through) with the
    // source's owner, group and permission bits, so that a private book's
    // backup is as private (an older, looser backup included), but writable
    // by its owner, so that the next save can replace it; and last db to the
    // target, which is only created when the plan found nothing there. db is
    // then marked saved. A failure throws and leaves the target as it was.
    SaveReport write(AccountDB& db, const SaveCalls& calls = {});

private:
    SavePlan plan_;
    AccountDB previous;
    mode_t previousMode = 0;
    FileOwners previousOwners;
};

}  // namespace KestLib
