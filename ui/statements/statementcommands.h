#pragma once

#include <QObject>
#include <memory>

class Book;
class QWidget;
class StatementMappings;
class UserPrompts;

// File > Import Statement…: asks for a bank's statement (CSV, OFX, QIF),
// shows what it would add in the statement dialog, and on OK adds it to
// the book as one step of its history. The file's reading is remembered
// by its header for the bank's next statement.
class StatementCommands : public QObject {
    Q_OBJECT

public:
    // book is the window's, which outlives this object. The mappings are
    // remembered in the user's settings.
    StatementCommands(QWidget* window, Book& book);
    ~StatementCommands() override;

    // True when transactions were added. A file too big for the memory is
    // the core's "not enough memory to read FILE" error, thrown with the
    // book as it was; so is a failing import.
    bool importFile(UserPrompts& prompts);

private:
    QWidget* window;
    Book& book;
    std::unique_ptr<StatementMappings> mappings;
};
