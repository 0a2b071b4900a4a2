#pragma once

#include <string>

namespace KestLib {

// What an export written to a file would destroy: the book it reads, that
// book's backup, or another book. Decided once for the window and the command
// line; the book itself is always refused, the others asked about by the
// window and refused by the command line unless forced.
enum class ExportClash {
    None,       // no book there: the file may be written (or replaced)
    Book,       // the book being exported, under its name or through a link
    Backup,     // the file the book's next save keeps as its backup
    OtherBook,  // a file that starts as a book does
};

// output: the file the export is to write; book: the file of the book
// exported. Only files that are there clash.
ExportClash exportClash(const std::string& output, const std::string& book);

}  // namespace KestLib
