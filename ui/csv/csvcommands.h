#pragma once

#include <QObject>
#include <string>

class QWidget;
class UserPrompts;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// File > Import CSV… and File > Export CSV…: asks for the file (and, through
// the dialog's filter, the encoding), moves the transactions with the text
// library, and reports a refusal. The window keeps the table and the status
// in step after an import.
class CsvCommands : public QObject {
    Q_OBJECT

public:
    // db is the window's database, which outlives this object.
    CsvCommands(QWidget* window, KestLib::AccountDB& db);

    // True when transactions were added. A file too big for the memory is
    // the core's "not enough memory to read FILE" error, thrown with the
    // book as it was.
    bool importFile(UserPrompts& prompts);
    // bookFile is the file the book is bound to (empty for none), which the
    // CSV may never replace.
    void exportFile(UserPrompts& prompts, const std::string& bookFile);

private:
    QWidget* window;
    KestLib::AccountDB& db;
};
