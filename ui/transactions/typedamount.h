#pragma once

#include <QString>

class QObject;
class QValidator;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// What the amount box takes in a book. A book of format 2 takes its
// decimals in either mark (AmountValidator); a book of format 1 keeps its
// whole amounts of one to nine digits without a leading zero and takes up
// to three digits after the interface language's decimal mark too, so that
// OK can offer the conversion that keeps them. Without a book, whole amounts.
QValidator* amountValidatorFor(const KestLib::AccountDB* db, QObject* parent);
// The digits typed after the amount's point or comma.
int decimalDigits(const QString& amount);
