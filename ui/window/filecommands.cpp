#include "window/filecommands.h"

#include <QDir>

#include "book/book.h"
#include "prompts/userprompts.h"
#include "recent/recentbooks.h"
#include "saveplan.h"
#include "window/commandguard.h"

QString FileCommands::fileFilter() { return tr("Pennywell Database File (*.pwdb)"); }

QString FileCommands::dialogFolder() const { return recentBooks.lastFolder(); }

bool FileCommands::maybeSave() {
    if (!book.isModified()) return true;
    const auto choice = prompts->askSaveChanges(
        window, tr("Pennywell"), tr("The database has been modified.\nDo you want to save your changes?"));
    switch (choice) {
    case UserPrompts::SaveChoice::Save:
        return save();
    case UserPrompts::SaveChoice::Discard:
        return true;
    case UserPrompts::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool FileCommands::openChosen() {
    const BookPath path = BookPath::fromDisplay(prompts->openFileName(window, fileFilter(), dialogFolder()));
    return !path.isEmpty() && open(path);
}

bool FileCommands::open(const BookPath& path) {
    // What a failed open leaves: the book that is open, if any.
    const QString kept = book.isOpen() ? tr("The open book is unchanged.") : QString();
    return guard([&] {
        book.open(path);
        recentBooks.add(path.display());
    }, kept);
}

bool FileCommands::save() {
    if (!book.isModified()) return true;
    if (book.path().isEmpty()) return saveAs();
    // Back to the file read. A book opened without the extension is written
    // under the completed name, which may be another book: the plan asks
    // about that one and backs it up.
    return saveTo(book.path(), book.path());
}

bool FileCommands::saveAs() {
    const QString chosen = prompts->saveFileName(window, fileFilter(), dialogFolder());
    if (chosen.isEmpty()) return false;
    // A new file, whatever was read: Save As keeps no backup, and the
    // overwrite question guards what it replaces.
    return saveTo(BookPath(), BookPath::fromDisplay(chosen));
}

bool FileCommands::confirmPlan(const KestLib::SavePlan& plan) {
    if (!plan.overwritten().empty()) {
        const QString question = tr("File %1 already exists.\nDo you want to override it?")
                                     .arg(QDir::toNativeSeparators(BookPath::fromBytes(plan.overwritten()).display()));
        return prompts->askOverwrite(window, tr("Pennywell"), question);
    }
    if (plan.changedSinceRead()) {
        const QString question = tr("%1 was changed by another program since it was opened. Replace it? "
                                    "The other version will be kept as the backup.")
                                     .arg(QDir::toNativeSeparators(BookPath::fromBytes(plan.target()).display()));
        return prompts->askOverwrite(window, tr("Pennywell"), question);
    }
    return true;
}

bool FileCommands::saveTo(const BookPath& readFrom, const BookPath& target) {
    bool saved = false;
    guard([&] {
        saved = book.save(readFrom, target, [this](const KestLib::SavePlan& plan) { return confirmPlan(plan); });
        if (saved) recentBooks.add(book.path().display());
    }, tr("Nothing was saved; your changes are still open."));
    return saved;
}
