#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The columns of the transaction table and the text each shows of a
// transaction: what the model shows, sorts by and measures, and what the
// find bar offers. The program's own words are the main window's (context
// "MainWindow"); a stored text is shown as stored. The table model is one,
// so that its columns and texts are read as its own.
class TransactionColumns {
public:
    enum Column { IndexColumn, DateColumn, InOutColumn, MoneyColumn, TypeColumn, CommentColumn, ColumnCount };

    static constexpr const char* context = "MainWindow";

    static QString title(int column);
    // The shown text of one cell.
    static QString cellText(const KestLib::AccountDB& database, const KestLib::Transaction& record, int column);
    // Each field right-aligned in its width (4, 2, 2), padded with spaces,
    // and never cut: "2004/ 3/ 7".
    static QString dateText(int year, int month, int day);
    static void appendDateText(std::u16string& out, int year, int month, int day);
    static QString inOutText(bool income);
    // The shown name of the type with this id; empty for an id no type holds.
    static QString typeText(const KestLib::AccountDB& database, int typeId);
    // A text database stores (a comment, a name) as it shows, by the book's
    // format: what its BookTextCodec gives, without a codec's state, so that
    // a cell of a million-row table decodes with no converter of its own.
    static QString storedText(const KestLib::AccountDB& database, std::string_view bytes);
};
