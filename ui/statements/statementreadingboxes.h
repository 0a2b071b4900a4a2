#pragma once

#include <QWidget>

#include "text/statement.h"

class QComboBox;

// How a statement's bytes are read, one box a choice: date format, decimal
// mark, amount rule, encoding and delimiter. Each but the amount rule may
// be left to detection; the box then names what was detected.
class StatementReadingBoxes : public QWidget {
    Q_OBJECT

public:
    explicit StatementReadingBoxes(QWidget* parent = nullptr);

    // The choices, the CSV's columns and header left to detection.
    PwText::StatementOptions options() const;
    // Sends no changed.
    void setOptions(const PwText::StatementOptions& options);
    // What reading settled, beside each "detect"; the choices of CSV alone
    // are offered only for a CSV, the date format not for an OFX.
    void showSettled(const PwText::Statement& statement);
    // The amount rule is a choice only for a book of whole units.
    void offerAmountRule(bool offered);

signals:
    void changed();

private:
    QComboBox* addBox(const char* objectName, const QString& label);
    QComboBox* dateFormat;
    QComboBox* decimalMark;
    QComboBox* amountRule;
    QComboBox* encoding;
    QComboBox* delimiter;
};
