#pragma once

#include "bookpath.h"

// What a save will really do to the disk, decided before anything is
// written. The core completes a missing ".pwdb", so the file written can
// differ from the path the user chose or the book was opened from; every
// question and every backup is about the file written, never about a
// neighbour that merely shares its stem.
class SavePlan {
public:
    // Save of a book bound to bound: that file is written and its previous
    // contents kept as a backup. A book opened without the extension is
    // written under the completed name; when a file is there already, it is
    // another book, so the user is asked and the backup is taken of it.
    static SavePlan forSave(const BookPath& bound);
    // Save As to chosen: asks when the file written exists; keeps no backup.
    static SavePlan forSaveAs(const BookPath& chosen);

    // The file the core writes.
    const BookPath& target() const { return target_; }
    // The existing file the overwrite question names; empty when there is
    // nothing to ask.
    const BookPath& overwritten() const { return overwritten_; }
    // The file whose contents are kept as a backup first; empty for none.
    const BookPath& backupSource() const { return backupSource_; }

private:
    BookPath target_;
    BookPath overwritten_;
    BookPath backupSource_;
};
