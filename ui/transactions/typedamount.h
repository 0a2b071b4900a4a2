#pragma once

#include <QString>

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// What the amount box takes in a book: one to nine digits without a leading
// zero, never zero, never negative, never beyond what an int holds; a
// decimal part as a format 2 book keeps it. A book of format 1 takes up to
// three digits after the point too, so that OK can offer the conversion
// that keeps them. Without a book, whole amounts.
QString amountPattern(const KestLib::AccountDB* db);
// A stored amount as the box shows it: "12.50" in a book of 2 decimals.
QString shownAmount(int amount, const KestLib::AccountDB* db);
// The digits typed after the amount's point.
int decimalDigits(const QString& amount);
// The minor units of a typed amount at decimals; 0 for one that has more
// decimals or doesn't fit an int.
int typedAmount(QString text, int decimals);
