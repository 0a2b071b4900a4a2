#include "ui/window/filecommands.h"

#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

#include "core/booksave.h"
#include "core/ownernames.h"
#include "core/saveplan.h"
#include "ui/book/book.h"
#include "ui/prompts/commandguard.h"
#include "ui/prompts/userprompts.h"
#include "ui/recent/recentbooks.h"

namespace {

// How long the status bar names the file that keeps another program's version.
constexpr int keptNoteTime = 30000;  // ms

QString shownPath(const std::string& bytes) { return QDir::toNativeSeparators(BookPath::fromBytes(bytes).display()); }

QString ownersText(const KestLib::FileOwners& owners) {
    return QString::fromStdString(KestLib::userName(owners.user)) + QStringLiteral(" / ") +
           QString::fromStdString(KestLib::groupName(owners.group));
}

}  // namespace

QString FileCommands::fileFilter() { return tr("Pennywell Database File (*.pwdb)"); }

QString FileCommands::dialogFolder() const { return recentBooks.lastFolder(); }

bool FileCommands::maybeSave() {
    if (!book.isModified()) return true;
    const auto choice = prompts->askSaveChanges(
        window, tr("Pennywell"), tr("The database has been modified.\nDo you want to save your changes?"));
    switch (choice) {
    case UserPrompts::SaveChoice::Save: return save();
    case UserPrompts::SaveChoice::Discard: return true;
    case UserPrompts::SaveChoice::Cancel: break;
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
    return guard(
        [&] {
            book.open(path);
            recentBooks.add(path.display());
        },
        kept);
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
        const QString question =
            tr("File %1 already exists.\nDo you want to override it?").arg(shownPath(plan.overwritten()));
        return prompts->askOverwrite(window, tr("Pennywell"), question);
    }
    if (plan.changedSinceRead()) {
        const QString question = tr("%1 was changed by another program since it was opened. Replace it? "
                                    "The other version will be kept as %2.")
                                     .arg(shownPath(plan.target()), shownPath(plan.keptVersion()));
        return prompts->askOverwrite(window, tr("Pennywell"), question);
    }
    return true;
}

bool FileCommands::waitForLock(const std::string& path, const std::function<bool()>& tryAgain) {
    return prompts->waitUntil(window, tr("Pennywell"),
                              tr("Waiting for another program that is saving %1…").arg(shownPath(path)), tryAgain);
}

void FileCommands::tellSaved(const KestLib::SaveReport& report) {
    if (!report.keptVersion.empty())
        window->statusBar()->showMessage(
            tr("Saved; the other program's version is kept as %1").arg(shownPath(report.keptVersion)), keptNoteTime);
    if (report.ownersNotKept.empty()) return;
    QStringList lines;
    bool groupLost = false;
    for (const KestLib::OwnersNotKept& file : report.ownersNotKept) {
        //: A file, the user / group it belongs to now, those it belonged to
        lines << tr("%1 now belongs to %2, not to %3.")
                     .arg(shownPath(file.path), ownersText(file.got), ownersText(file.wanted));
        groupLost = groupLost || file.got.group != file.wanted.group;
    }
    lines << (groupLost ? tr("Only the administrator can give a file to another user, and only a member of a "
                             "group to that group.")
                        : tr("Only the administrator can give a file to another user; the group is kept, so its "
                             "members can still use the book."));
    guard.warnText(tr("The book was saved, but could not keep its owner or group."), lines.join(u'\n'));
}

bool FileCommands::saveTo(const BookPath& readFrom, const BookPath& target) {
    SaveQuestions questions;
    questions.waitForLock = [this](const std::string& path, const std::function<bool()>& tryAgain) {
        return waitForLock(path, tryAgain);
    };
    questions.confirm = [this](const KestLib::SavePlan& plan) { return confirmPlan(plan); };
    bool saved = false;
    const QString nothingSaved = tr("Nothing was saved; your changes are still open.");
    guard(
        [&] {
            try {
                const std::optional<KestLib::SaveReport> report = book.save(readFrom, target, questions);
                if (!report) return;
                saved = true;
                recentBooks.add(book.path().display());
                tellSaved(*report);
            } catch (const UnreadableOnDisk& unreadable) {
                guard.warnError(unreadable.error,
                                nothingSaved + u' ' +
                                    tr("The file on disk can't be read as a book, so Save can't keep it as the "
                                       "backup; Save As still works."));
            }
        },
        nothingSaved);
    return saved;
}
