#pragma once

#include <QObject>
#include <QString>

#include "ui/book/bookimport.h"

class Book;
class CommandGuard;
class QMainWindow;
class UserPrompts;

// File > Import CSV… and File > Export CSV…: asks for the file (and, through
// the dialog's filter, the encoding), moves the transactions with the text
// library, and reports a refusal. An import goes into the book, which
// announces it; an export written is named in the window's status bar.
class CsvCommands : public QObject {
    Q_OBJECT

public:
    // book, prompts and guard are the window's, which outlives this object.
    CsvCommands(QMainWindow* window, Book& book, UserPrompts*& prompts, const CommandGuard& guard);

    // A file too big for the memory is the core's "not enough memory to
    // read FILE" error, warned about with the book as it was.
    void importFile();
    // The CSV never replaces the book's own file.
    void exportFile();

private:
    // The file written, or an empty string when nothing was.
    QString exportChosen(UserPrompts& prompts);

    QMainWindow* window;
    Book& book;
    BookImport import;
};
