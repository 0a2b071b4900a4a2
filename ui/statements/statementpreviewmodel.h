#pragma once

#include <QAbstractTableModel>

namespace PwText {
class StatementImport;
}  // namespace PwText

// The rows of an import plan as they will be stored, for the statement
// dialog's preview: the faults first, where they can't be missed, then the
// statement's rows. Cells are made when shown, so that a statement of a
// hundred thousand rows costs no more than the plan itself.
class StatementPreviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        LineColumn,
        DateColumn,
        InOutColumn,
        AmountColumn,
        TypeColumn,
        CommentColumn,
        MarkColumn,
        ColumnCount
    };

    explicit StatementPreviewModel(QObject* parent = nullptr);

    // The plan shown; not owned, and it must stay until the next call.
    // nullptr shows nothing. Duplicates kept are marked so, else skipped.
    // Its amounts are in the minor units of a book of decimals.
    void setPlan(const PwText::StatementImport* plan, bool duplicatesKept, int decimals = 0);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant faultData(int fault, int column, int role) const;
    QVariant rowData(int row, int column, int role) const;
    const PwText::StatementImport* plan = nullptr;
    bool keepsDuplicates = false;
    int decimals = 0;
};
