#include "ui/book/transactioncolumns.h"

#include <QCoreApplication>

#include <array>
#include <charconv>

#include "core/accountdb.h"
#include "text/big5text.h"
#include "ui/widgets/amounttext.h"

namespace {

constexpr const char* context = TransactionColumns::context;

constexpr std::array<const char*, TransactionColumns::ColumnCount> columnTitles = {
    //: The table's column of transaction numbers
    QT_TRANSLATE_NOOP("MainWindow", "Index"),
    QT_TRANSLATE_NOOP("MainWindow", "Date"),
    //: The table's column header: whether a transaction is income or outgoing
    QT_TRANSLATE_NOOP("MainWindow", "In/Out"),
    //: The table's column header: a transaction's amount
    QT_TRANSLATE_NOOP("MainWindow", "Money"),
    //: The table's column header: the category of a transaction
    QT_TRANSLATE_NOOP("MainWindow", "Type"),
    QT_TRANSLATE_NOOP("MainWindow", "Comment"),
};
constexpr const char* incomeText = QT_TRANSLATE_NOOP("MainWindow", "Income");
constexpr const char* outgoingText = QT_TRANSLATE_NOOP("MainWindow", "Outgoing");

QString translated(const char* text) { return QCoreApplication::translate(context, text); }

// A decimal right-aligned in width, padded on the left with spaces; a longer
// number is not cut.
void appendPadded(std::u16string& out, int value, int width) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (auto length = end - digits; length < width; ++length) out.push_back(u' ');
    out.append(std::cbegin(digits), end);
}

}  // namespace

QString TransactionColumns::title(int column) {
    return column >= 0 && column < ColumnCount ? translated(columnTitles[static_cast<std::size_t>(column)]) : QString();
}

QString TransactionColumns::cellText(const KestLib::AccountDB& database, const KestLib::Transaction& record,
                                     int column) {
    switch (column) {
    case IndexColumn: return QString::number(record.index());
    case DateColumn: return dateText(record.year(), record.month(), record.day());
    case InOutColumn: return inOutText(record.isIncome());
    case MoneyColumn: return AmountText::of(record.amount(), database.decimals());
    case TypeColumn: return typeText(database, record.type());
    case CommentColumn: return storedText(database, record.comment());
    default: return QString();
    }
}

QString TransactionColumns::dateText(int year, int month, int day) {
    std::u16string text;
    appendDateText(text, year, month, day);
    return QString::fromStdU16String(text);
}

void TransactionColumns::appendDateText(std::u16string& out, int year, int month, int day) {
    appendPadded(out, year, 4);
    out.push_back(u'/');
    appendPadded(out, month, 2);
    out.push_back(u'/');
    appendPadded(out, day, 2);
}

QString TransactionColumns::inOutText(bool income) { return translated(income ? incomeText : outgoingText); }

QString TransactionColumns::typeText(const KestLib::AccountDB& database, int typeId) {
    // Every stored transaction names a stored type; should that ever fail,
    // an empty cell is better than an exception thrown out of a paint.
    try {
        return storedText(database, database.typeById(typeId).name());
    } catch (const KestLib::ErrorMsg&) {
        return QString();
    }
}

QString TransactionColumns::storedText(const KestLib::AccountDB& database, std::string_view bytes) {
    return fromStored(bytes, database.format());
}
