#pragma once

#include <QCoreApplication>
#include <QString>

#include "book/bookpath.h"

class Book;
class CommandGuard;
class QWidget;
class RecentBooks;
class UserPrompts;

namespace KestLib {
class SavePlan;
}  // namespace KestLib

// The File menu's questions around the book's own open and save: which
// file, whether to save unsaved changes first, whether to replace what a
// save would replace. A book opened or saved goes first in the recent books.
class FileCommands {
    // The texts belong to the window, whose menu this is.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    FileCommands(QWidget* window, Book& book, RecentBooks& recentBooks, UserPrompts*& prompts,
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
    // Saves the book read from readFrom (empty for none) to target, after
    // the plan's question; false when the user declines or, after a
    // warning, the save fails.
    bool saveTo(const BookPath& readFrom, const BookPath& target);

    QWidget* window;
    Book& book;
    RecentBooks& recentBooks;
    UserPrompts*& prompts;
    const CommandGuard& guard;
};
