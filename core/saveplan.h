#pragma once

#include <optional>
#include <string>

#include "core/fileidentity.h"

namespace KestLib {

// What a save will really do to the disk, decided once for the window and
// the command line before anything is written. The file written can differ
// from the one asked for (".pwdb" is completed) and from the one the book was
// read from; every question, refusal and backup is about the files really
// touched, never about a neighbour that merely shares a stem. The caller
// holds the BookLock on the file written from before the plan is made until
// the save is done, so what the plan saw stays true; it lets the lock go
// before asking the plan's question, and plans again once it holds it again.
class SavePlan {
public:
    // readFrom is the file the book was read from and is saved back to (Save,
    // an import), or empty for none (a new book, Save As); readIdentity is
    // that file's identity as it was read, when known; target is the file
    // asked for. Throws "The backup file's name would be longer than 255
    // bytes", with the backup's path, when the backup (or the version kept)
    // can't have its name.
    static SavePlan make(const std::string& readFrom, const std::string& target,
                         const std::optional<FileIdentity>& readIdentity = std::nullopt);

    // The file written: target with ".pwdb" completed.
    const std::string& target() const { return target_; }
    // A file that is there and would be replaced although the book wasn't
    // read from it: another book under the completed name, or any file for
    // a book read from none. The window asks about it; the command line,
    // which can't ask, refuses. Empty when there is none.
    const std::string& overwritten() const { return overwritten_; }
    // True when the file read is still the one written but is no longer as
    // it was read: another program saved it meanwhile, and replacing it
    // would lose that program's changes unless the user agrees.
    bool changedSinceRead() const { return changedSinceRead_; }
    // When the file read changed since: the name under which the version
    // another program saved is kept, beside the book. No later save writes
    // a file that is there, so the name holds the time that version was
    // written (in local time) and, when that is taken, a number.
    const std::string& keptVersion() const { return keptVersion_; }
    // True when the window must ask before the save: about the file
    // overwritten, or about the changes of another program.
    bool needsQuestion() const { return !overwritten_.empty() || changedSinceRead_; }
    // True when a question about this plan is one about the other: the same
    // files, found as they were then. An answer given to other stands for
    // this plan too; else the question is asked again.
    bool asksAsBefore(const SavePlan& other) const;
    // The file whose contents are kept before the save, empty for none: the
    // file replaced when there is one (a save of a book read from a file),
    // else the file read; and the backup's name, the source's followed by
    // ".bak" and completed.
    const std::string& backupSource() const { return backupSource_; }
    const std::string& backupFile() const { return backupFile_; }
    // True when nothing was there to replace: the save then only creates the
    // file, and refuses one that appeared since.
    bool createsTarget() const { return createsTarget_; }

private:
    std::string target_;
    std::string overwritten_;
    std::string backupSource_;
    std::string backupFile_;
    std::string keptVersion_;
    std::optional<FileIdentity> targetIdentity_;  // the file written, as the plan found it
    bool changedSinceRead_ = false;
    bool createsTarget_ = false;
};

}  // namespace KestLib
