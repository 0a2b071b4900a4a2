#include "ui/statistics/balancetext.h"

#include <QCoreApplication>

// In the grand total's context, where the wording has always been translated.
QString balanceText(std::int64_t balance) {
    const bool outgoing = balance < 0;
    // Unsigned, so that even the lowest balance has its amount.
    const auto magnitude = static_cast<qulonglong>(balance);
    const QString amount = QString::number(outgoing ? 0 - magnitude : magnitude);
    const QString direction = outgoing ? QCoreApplication::translate("GrandTotalDialog", "Outgoing")
                                       : QCoreApplication::translate("GrandTotalDialog", "Income");
    return QCoreApplication::translate("GrandTotalDialog", "%1: %2").arg(direction, amount);
}
