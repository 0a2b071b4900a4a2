#pragma once

#include <QObject>
#include <memory>

#include "ui/book/bookimport.h"

class Book;
class CommandGuard;
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
    // book, prompts and guard are the window's, which outlives this object.
    // The mappings are remembered in the user's settings.
    StatementCommands(QWidget* window, Book& book, UserPrompts*& prompts, const CommandGuard& guard);
    ~StatementCommands() override;

    // A file too big for the memory is the core's "not enough memory to
    // read FILE" error, warned about with the book as it was; so is a
    // failing import.
    void importFile();

private:
    std::optional<BookImport::Added> read(QFile& file);

    Book& book;
    BookImport import;
    std::unique_ptr<StatementMappings> mappings;
};
