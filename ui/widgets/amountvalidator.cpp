#include "ui/widgets/amountvalidator.h"

#include <QRegularExpressionValidator>

#include "ui/widgets/amounttext.h"

namespace {

// One to nine digits without a leading zero: never zero, never negative, and
// never beyond what an int holds.
const QString wholePattern = QStringLiteral("[1-9][0-9]{0,8}");
// Nine digits in all, as in a book of whole units, so that every amount
// typed fits the record's 32 bits.
constexpr int amountDigits = 9;

}  // namespace

AmountValidator::AmountValidator(int bookDecimals, QObject* parent)
    : QValidator(parent),
      decimals(bookDecimals),
      // Every prefix of an amount matches too: "12," is on its way to "12,50".
      pattern(QRegularExpression::anchoredPattern(QStringLiteral("(0|[1-9][0-9]{0,%1})([.,][0-9]{0,%2})?")
                                                      .arg(amountDigits - bookDecimals - 1)
                                                      .arg(bookDecimals))) {}

QValidator* AmountValidator::forBook(int decimals, QObject* parent) {
    if (decimals <= 0) return new QRegularExpressionValidator(QRegularExpression(wholePattern), parent);
    return new AmountValidator(decimals, parent);
}

QValidator::State AmountValidator::validate(QString& input, int& /*pos*/) const {
    if (input.isEmpty()) return Intermediate;
    if (!pattern.match(input).hasMatch()) return Invalid;
    if (input.endsWith(u',') || input.endsWith(u'.')) return Intermediate;
    const std::optional<std::int64_t> units = AmountText::read(input, decimals);
    return units && *units > 0 ? Acceptable : Intermediate;
}
