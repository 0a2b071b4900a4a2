#pragma once

#include <QRegularExpression>
#include <QValidator>

// What the amount box of a book with decimals takes: a positive amount of
// at most nine digits in minor units (9,999,999.99 at 2 decimals,
// 999,999.999 at 3), no leading zero but the one before the mark, and at
// most the book's decimals after a point or comma, in any language. Zero
// is never acceptable, so "0,00" stays to be typed on.
class AmountValidator : public QValidator {
    Q_OBJECT

public:
    AmountValidator(int bookDecimals, QObject* parent);

    // The validator for a book of decimals: a book of none keeps the box's
    // whole numbers of one to nine digits exactly.
    static QValidator* forBook(int decimals, QObject* parent);

    State validate(QString& input, int& pos) const override;

private:
    int decimals;
    QRegularExpression pattern;
};
