#include "ui/statements/statementpreviewmodel.h"

#include <QBrush>
#include <QPalette>
#include <QStringList>

#include "text/statementimport.h"
#include "text/statementmessages.h"
#include "ui/book/transactioncolumns.h"
#include "ui/widgets/amounttext.h"

using PwText::StatementImport;

StatementPreviewModel::StatementPreviewModel(QObject* parent) : QAbstractTableModel(parent) {}

void StatementPreviewModel::setPlan(const StatementImport* shown, bool duplicatesKept, int bookDecimals) {
    beginResetModel();
    plan = shown;
    keepsDuplicates = duplicatesKept;
    decimals = bookDecimals;
    endResetModel();
}

int StatementPreviewModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !plan) return 0;
    return static_cast<int>(plan->faults().size() + plan->rows().size());
}

int StatementPreviewModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant StatementPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case LineColumn: return tr("Line");
    case DateColumn: return TransactionColumns::title(TransactionColumns::DateColumn);
    case InOutColumn: return TransactionColumns::title(TransactionColumns::InOutColumn);
    case AmountColumn: return TransactionColumns::title(TransactionColumns::MoneyColumn);
    case TypeColumn: return TransactionColumns::title(TransactionColumns::TypeColumn);
    case CommentColumn: return TransactionColumns::title(TransactionColumns::CommentColumn);
    case MarkColumn: return tr("Mark");
    default: return {};
    }
}

QVariant StatementPreviewModel::data(const QModelIndex& index, int role) const {
    if (!plan || !index.isValid()) return {};
    // A long comment or fault is cut by its column; its tooltip reads whole.
    if (role == Qt::ToolTipRole)
        return index.column() == CommentColumn || index.column() == MarkColumn ? data(index, Qt::DisplayRole)
                                                                               : QVariant();
    const int faults = static_cast<int>(plan->faults().size());
    return index.row() < faults ? faultData(index.row(), index.column(), role)
                                : rowData(index.row() - faults, index.column(), role);
}

QVariant StatementPreviewModel::faultData(int at, int column, int role) const {
    const PwText::StatementFault& fault = plan->faults().at(static_cast<std::size_t>(at));
    if (role == Qt::ForegroundRole) return QBrush(Qt::red);
    if (role == Qt::ToolTipRole) return PwText::describeStatementFault(fault);
    if (role != Qt::DisplayRole) return {};
    if (column == LineColumn) return fault.line > 0 ? QVariant(fault.line) : QVariant();
    if (column == MarkColumn) return PwText::describeStatementFault(fault);
    return {};
}

QVariant StatementPreviewModel::rowData(int at, int column, int role) const {
    const StatementImport::PlannedRow& planned = plan->rows().at(static_cast<std::size_t>(at));
    const bool skipped = planned.duplicate && !keepsDuplicates;
    if (role == Qt::ForegroundRole)
        return skipped ? QVariant(QPalette().brush(QPalette::Disabled, QPalette::Text)) : QVariant();
    if (role == Qt::TextAlignmentRole)
        return column == LineColumn || column == AmountColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                              : QVariant();
    if (role != Qt::DisplayRole) return {};
    const PwText::StatementRow& row = planned.row;
    switch (column) {
    case LineColumn: return row.line;
    case DateColumn: return TransactionColumns::dateText(row.year, row.month, row.day);
    case InOutColumn: return TransactionColumns::inOutText(row.income);
    case AmountColumn: return AmountText::of(row.amount, decimals);
    case TypeColumn: {
        const QString type = QString::fromStdString(row.type);
        return planned.newType ? tr("%1 (new)").arg(type) : type;
    }
    case CommentColumn: return QString::fromStdString(row.comment);
    case MarkColumn: {
        QStringList marks;
        if (planned.duplicate) marks << (skipped ? tr("duplicate, skipped") : tr("duplicate, kept"));
        if (row.rounded) marks << (row.amount == 0 ? tr("rounded to 0") : tr("rounded"));
        //: The comment was longer than the book holds and is cut to fit
        if (planned.cut) marks << tr("cut");
        //: The comment or type had letters the book can't store, such as ä, now written ae
        if (planned.respelt) marks << tr("spelt without accents");
        //: Between two marks of a row ("duplicate, kept, rounded")
        return marks.join(tr(", "));
    }
    default: return {};
    }
}
