#include "ui/statistics/balancetext.h"

#include <QCoreApplication>

#include "ui/widgets/amounttext.h"

// In the grand total's context, where the wording has always been translated.
QString balanceText(std::int64_t balance, int decimals) {
    const bool outgoing = balance < 0;
    // The sign taken off the text, so that even the lowest balance has its amount.
    QString amount = AmountText::of(balance, decimals);
    if (outgoing) amount.remove(0, 1);
    const QString direction = outgoing ? QCoreApplication::translate("GrandTotalDialog", "Outgoing")
                                       : QCoreApplication::translate("GrandTotalDialog", "Income");
    return QCoreApplication::translate("GrandTotalDialog", "%1: %2").arg(direction, amount);
}
