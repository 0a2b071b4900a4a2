#pragma once

#include <QObject>
#include <QString>

class Book;
class QWidget;
class UserPrompts;

// File > Import CSV… and File > Export CSV…: asks for the file (and, through
// the dialog's filter, the encoding), moves the transactions with the text
// library, and reports a refusal. An import goes into the book, which
// announces it.
class CsvCommands : public QObject {
    Q_OBJECT

public:
    // book is the window's, which outlives this object.
    CsvCommands(QWidget* window, Book& book);

    // True when transactions were added. A file too big for the memory is
    // the core's "not enough memory to read FILE" error, thrown with the
    // book as it was.
    bool importFile(UserPrompts& prompts);
    // The file written, or an empty string when nothing was. The CSV never
    // replaces the book's own file.
    QString exportFile(UserPrompts& prompts);

private:
    QWidget* window;
    Book& book;
};
