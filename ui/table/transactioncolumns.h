#pragma once

#include <QString>
#include <string>

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The columns of the transaction table and the text each shows of a
// transaction: what the model shows, sorts by and measures, and what the
// find bar offers. The texts are the main window's (context "MainWindow"),
// where a translation may rename even a stored text.
namespace TransactionColumns {

enum Column { IndexColumn, DateColumn, InOutColumn, MoneyColumn, TypeColumn, CommentColumn, ColumnCount };

inline constexpr const char* context = "MainWindow";

QString title(int column);
// The shown text of one cell.
QString cellText(const KestLib::AccountDB& database, const KestLib::Transaction& record, int column);
// Each field right-aligned in its width (4, 2, 2), padded with spaces, and
// never cut: "2004/ 3/ 7".
QString dateText(int year, int month, int day);
void appendDateText(std::u16string& out, int year, int month, int day);
QString inOutText(bool income);
// The shown name of the type with this id; empty for an id no type holds.
QString typeText(const KestLib::AccountDB& database, int typeId);

}  // namespace TransactionColumns
