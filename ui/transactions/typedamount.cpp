#include "ui/transactions/typedamount.h"

#include <climits>
#include <cstdint>
#include <optional>

#include "core/accountdb.h"
#include "text/bookamount.h"

QString amountPattern(const KestLib::AccountDB* db) {
    const int digits = !db ? 0 : db->format() == 1 ? 3 : db->decimals();
    if (digits == 0) return QStringLiteral("[1-9][0-9]{0,8}");
    return QStringLiteral("[1-9][0-9]{0,8}([.][0-9]{0,%1})?").arg(digits);
}

QString shownAmount(int amount, const KestLib::AccountDB* db) {
    return QString::fromStdString(PwText::formatAmount(amount, db ? db->decimals() : 0));
}

int decimalDigits(const QString& amount) {
    const qsizetype point = amount.indexOf(u'.');
    return point < 0 ? 0 : static_cast<int>(amount.size() - point - 1);
}

int typedAmount(QString text, int decimals) {
    if (text.endsWith(u'.')) text.chop(1);
    const std::optional<std::int64_t> amount = PwText::parseAmount(text.toStdString(), decimals);
    return amount && *amount <= INT_MAX && *amount >= INT_MIN ? static_cast<int>(*amount) : 0;
}
