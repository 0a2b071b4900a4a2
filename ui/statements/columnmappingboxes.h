#pragma once

#include <QList>
#include <QWidget>
#include <string>
#include <vector>

#include "text/statement.h"

class QComboBox;
class QGridLayout;

// What each column of a bank's CSV holds: one box per column, labelled with
// the column's name from the header (or its number), offering date, amount,
// debit, credit, comment, type, direction and ignore.
class ColumnMappingBoxes : public QWidget {
    Q_OBJECT

public:
    explicit ColumnMappingBoxes(QWidget* parent = nullptr);

    // The boxes for these columns, showing fields; made anew only when the
    // names differ from those shown. Sends no fieldsChanged. Past the first
    // maxBoxes columns a file is hardly a bank's: those keep their fields
    // without a box, so that a stray file can't make thousands of them.
    static constexpr int maxBoxes = 64;
    void showColumns(const std::vector<std::string>& names, const std::vector<PwText::StatementField>& fields);
    // One field per column, in column order.
    std::vector<PwText::StatementField> fields() const;

signals:
    // The user chose another field for a column.
    void fieldsChanged();

private:
    void rebuild(const std::vector<std::string>& names);
    QGridLayout* grid;
    std::vector<std::string> shownNames;
    QList<QComboBox*> boxes;
    // The fields of the columns past the boxes, as last shown.
    std::vector<PwText::StatementField> unboxedFields;
};
