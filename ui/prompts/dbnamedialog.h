#pragma once

#include <QDialog>

#include "text/booktext.h"
#include "ui/prompts/userprompts.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class UserPrompts;

// Asks for the database's name: a prompt, one line of text, OK and Cancel.
// OK takes only a name the database file can store; on any other it warns
// which limit was hit and stays open with the text as typed.
class DBNameDialog : public QDialog {
    Q_OBJECT

public:
    explicit DBNameDialog(QWidget* parent = nullptr);

    // The name shown, selected.
    void setDBName(const QString& name);
    QString dbName() const;
    // Where the warning goes; without prompts it is a message box.
    void setPrompts(UserPrompts* replacement);
    // The format of the book the name is for (1 until set), whose limits OK
    // keeps.
    void setFormat(int format);
    // Asked first about the name OK would take, by what the book can hold;
    // a name it declines keeps the dialog open, one of no room is warned of.
    void setRoom(NameRoom given) { room = given; }

    // Why name can't be stored in a book of texts' format (in format 1 the
    // character Big5 lacks, or the bytes over the limit; in format 2 the
    // character no text may hold, or the characters over the limit), or an
    // empty string when it can.
    static QString whyNotStorable(const QString& name, PwText::BookTextCodec& texts);

public slots:
    void accept() override;

private:
    UserPrompts* prompts = nullptr;
    PwText::BookTextCodec texts{1};
    NameRoom room;

    QLabel* promptLabel;
    QLineEdit* dbNameLineEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;
    QVBoxLayout* fieldLayout;
    QVBoxLayout* buttonLayout;
    QHBoxLayout* mainLayout;
};
