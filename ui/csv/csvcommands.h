#pragma once

#include <QObject>
#include <string>

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
    // bookFile is the file the book is bound to (empty for none), which the
    // CSV may never replace.
    void exportFile(UserPrompts& prompts, const std::string& bookFile);

private:
    QWidget* window;
    Book& book;
};
