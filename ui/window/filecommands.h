#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <string>

#include "ui/book/bookpath.h"

class Book;
class CommandGuard;
class QMainWindow;
class RecentBooks;
class UserPrompts;

namespace KestLib {
class SavePlan;
struct SaveReport;
}  // namespace KestLib

// The File menu's questions around the book's own open and save: which
// file, whether to save unsaved changes first, whether to replace what a
// save would replace, and waiting while another program saves the book. A
// book opened or saved goes first in the recent books.
class FileCommands {
    // The texts belong to the window, whose menu this is.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    FileCommands(QMainWindow* window, Book& book, RecentBooks& recentBooks, UserPrompts*& prompts,
                 const CommandGuard& guard)
        : window(window), book(book), recentBooks(recentBooks), prompts(prompts), guard(guard) {}

    // Unsaved changes are saved, discarded or kept by the user's answer;
    // true to go on with what was asked.
    bool maybeSave();
    // The file the user chooses; false when none was chosen or it couldn't
    // be read (then the open book is as it was).
    bool openChosen();
    // false, after a warning, when the file can't be read.
    bool open(const BookPath& path);
    bool save();
    bool saveAs();
    // Where the file dialogs start: the folder of the last book.
    QString dialogFolder() const;

private:
    static QString fileFilter();
    // Asks about what the plan would replace, if anything: another file, or
    // the book's own file changed by another program; true to go on.
    bool confirmPlan(const KestLib::SavePlan& plan);
    // Waits, with Cancel, while another program saves the book at path.
    bool waitForLock(const std::string& path, const std::function<bool()>& tryAgain);
    // What the user is told of a save done: the version kept of another
    // program's changes, and the files that could not keep their owners.
    void tellSaved(const KestLib::SaveReport& report);
    // Saves the book read from readFrom (empty for none) to target, after
    // the plan's question; false when the user declines or, after a
    // warning, the save fails.
    bool saveTo(const BookPath& readFrom, const BookPath& target);

    QMainWindow* window;
    Book& book;
    RecentBooks& recentBooks;
    UserPrompts*& prompts;
    const CommandGuard& guard;
};
