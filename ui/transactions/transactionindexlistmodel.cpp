#include "ui/transactions/transactionindexlistmodel.h"

#include "core/accountdb.h"

TransactionIndexListModel::TransactionIndexListModel(QObject* parent) : QAbstractListModel(parent) {}

void TransactionIndexListModel::setPrompt(const QString& text) {
    prompt = text;
    const QModelIndex first = index(0);
    emit dataChanged(first, first);
}

void TransactionIndexListModel::listTransactions(const KestLib::AccountDB* database) {
    beginResetModel();
    db = database;
    endResetModel();
}

int TransactionIndexListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return 1 + (db ? db->transCount() : 0);
}

QVariant TransactionIndexListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.parent().isValid() || index.row() >= rowCount()) return QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
    if (index.row() == 0) return prompt;
    return QString::number(db->transaction(index.row() - 1, false).index());
}
