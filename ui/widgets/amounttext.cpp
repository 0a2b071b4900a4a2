#include "ui/widgets/amounttext.h"

#include <QLocale>

#include <algorithm>

#include "text/bookamount.h"

QChar AmountText::mark() {
    // Only the two marks the reader takes, so that what is shown reads back.
    return QLocale().decimalPoint() == QStringLiteral(",") ? u',' : u'.';
}

QString AmountText::of(std::int64_t minorUnits, int decimals) {
    if (decimals <= 0) return QString::number(static_cast<qlonglong>(minorUnits));
    QString text = QString::fromLatin1(PwText::formatAmount(minorUnits, decimals));
    const QChar shown = mark();
    if (shown != u'.') text.replace(u'.', shown);
    return text;
}

int AmountText::length(std::int64_t minorUnits, int decimals) {
    int digits = 1;
    // Negative, so that the lowest value has no positive counterpart to overflow.
    for (std::int64_t rest = minorUnits < 0 ? minorUnits : -minorUnits; rest <= -10; rest /= 10) ++digits;
    const int sign = minorUnits < 0 ? 1 : 0;
    if (decimals <= 0) return sign + digits;
    // "0.05": a whole digit before the mark, every decimal after it.
    return sign + std::max(digits, decimals + 1) + 1;
}

std::optional<std::int64_t> AmountText::read(const QString& text, int decimals) {
    if (text.count(u',') + text.count(u'.') > 1) return std::nullopt;
    QString pointed = text;
    pointed.replace(u',', u'.');
    // A character beyond Latin-1 becomes '?', which no amount holds.
    const QByteArray bytes = pointed.toLatin1();
    return PwText::parseAmount(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                               std::max(decimals, 0));
}
