#pragma once

#include <QAbstractListModel>
#include <QString>

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The items of the transaction dialog's index box, read on demand: row 0 is
// the prompt, row i + 1 the index of the transaction at database position i.
// A box over a million transactions thus holds no million items; only the
// rows the user scrolls to are ever turned into text.
class TransactionIndexListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit TransactionIndexListModel(QObject* parent = nullptr);

    void setPrompt(const QString& text);
    // Lists the database's transactions after the prompt, or, with nullptr,
    // the prompt alone. Not owned; its transactions must not change while
    // they are listed.
    void listTransactions(const KestLib::AccountDB* database);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QString prompt;
    const KestLib::AccountDB* db = nullptr;
};
