#include "ui/transactions/typedamount.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "core/accountdb.h"
#include "ui/widgets/amounttext.h"
#include "ui/widgets/amountvalidator.h"

QValidator* amountValidatorFor(const KestLib::AccountDB* db, QObject* parent) {
    if (!db || db->format() != 1) return AmountValidator::forBook(db ? db->decimals() : 0, parent);
    // Only the language's own mark: an English "1,234" is no amount with decimals.
    const QString mark = QRegularExpression::escape(AmountText::mark());
    return new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[1-9][0-9]{0,8}(%1[0-9]{0,3})?").arg(mark)), parent);
}

int decimalDigits(const QString& amount) {
    const qsizetype mark = std::max(amount.indexOf(u'.'), amount.indexOf(u','));
    return mark < 0 ? 0 : static_cast<int>(amount.size() - mark - 1);
}
