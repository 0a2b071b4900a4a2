#include "ui/transactions/typedamount.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <climits>

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

void fitAmountBox(QLineEdit& box, const KestLib::AccountDB* db, int& madeFor) {
    // A book of format 1 has a box of its own (see amountValidatorFor).
    const int shown = !db ? 0 : db->format() == 1 ? -1 : db->decimals();
    if (shown == madeFor) return;
    const QValidator* old = box.validator();
    box.setValidator(amountValidatorFor(db, &box));
    delete old;
    madeFor = shown;
}

std::optional<int> typedAmount(const QString& text, int decimals) {
    const std::optional<std::int64_t> units = AmountText::read(text, decimals);
    if (!units || *units < INT_MIN || *units > INT_MAX) return std::nullopt;
    return static_cast<int>(*units);
}

int decimalDigits(const QString& amount) {
    const qsizetype mark = std::max(amount.indexOf(u'.'), amount.indexOf(u','));
    return mark < 0 ? 0 : static_cast<int>(amount.size() - mark - 1);
}
