#pragma once

#include <QString>

// The name rule of File > Export CSV…, apart from its dialog.
class CsvFileName {
public:
    // The file the export dialog offers: the book's name as a CSV file
    // beside the book's file, or in the current folder for a book not yet
    // saved. A character a file name can't hold becomes "_"; a book without
    // a name is named after its file; with neither, only the folder is offered.
    static QString suggested(const QString& bookName, const QString& bookFile);
    // The file an export writes: the chosen one, with ".csv" added when its
    // name has no extension.
    static QString completed(const QString& chosen);
};
