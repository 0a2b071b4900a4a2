#pragma once

#include <QString>
#include <optional>

class QLineEdit;
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
// Gives box the validator of db's amounts unless it has it already:
// madeFor, kept by the caller, tells for which decimals it was made.
void fitAmountBox(QLineEdit& box, const KestLib::AccountDB* db, int& madeFor);
// A typed amount in minor units of decimals, in either decimal mark; none
// for text that is no amount or past what a transaction holds.
std::optional<int> typedAmount(const QString& text, int decimals);
// The digits typed after the amount's point or comma.
int decimalDigits(const QString& amount);
