#pragma once

#include <sys/types.h>

#include "accountdb.h"
#include "saveplan.h"

namespace KestLib {

// A save carried out by its plan, with the BookLock on the plan's target
// held throughout, in two steps so that the plan's question can come
// between them. Nothing is written before write().
class BookSave {
public:
    // Reads the backup's source as a book now, so that a damaged file stops
    // the save before anything is asked or written.
    explicit BookSave(SavePlan plan);

    const SavePlan& plan() const { return plan_; }

    // The backup first, written again under its name with the source's
    // permission bits, so that a private book's backup is as private (an
    // older, looser backup included); then db to the target, which is only
    // created when the plan found nothing there, and db is marked saved.
    // A failure throws and leaves the target as it was.
    void write(AccountDB& db);

private:
    SavePlan plan_;
    AccountDB previous;
    mode_t previousMode = 0;
};

}  // namespace KestLib
