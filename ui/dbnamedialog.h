#pragma once

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// Asks for the database's name: a prompt, one line of text, OK and Cancel.
// It checks nothing; the caller decides what a name may hold.
class DBNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit DBNameDialog(QWidget* parent = nullptr);

    void setDBName(const QString& name);
    QString dbName() const;

private:
    QLabel* promptLabel;
    QLineEdit* dbNameLineEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;
    QVBoxLayout* fieldLayout;
    QVBoxLayout* buttonLayout;
    QHBoxLayout* mainLayout;
};
