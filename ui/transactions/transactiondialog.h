#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "ui/transactions/storedtextroom.h"

class Book;
class BookDateEdit;
class QDate;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class TransactionIndexListModel;
class TypeComboBox;
class UserPrompts;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// Creates, deletes or modifies one transaction, and adds and deletes types.
// The caller performs the transaction change after OK, from the getters; the
// type changes go into the book at once and stay there whether the dialog
// ends with OK or Cancel.
class TransactionDialog : public QDialog {
    Q_OBJECT

public:
    enum Mode { CreateMode, DeleteMode, ModifyMode, DeleteOneMode, ModifyOneMode };

    explicit TransactionDialog(QWidget* parent = nullptr);

    // The book whose types and transactions the dialog shows and whose
    // types it adds and deletes; not owned. Must precede setMode.
    void setBook(Book* shown);
    // Only shows the database: without a book, Add and Delete change nothing.
    void setDB(const KestLib::AccountDB* database);
    // Where warnings go; not owned. Without one the dialog shows its own
    // message boxes.
    void setPrompts(UserPrompts* replacement);
    // Once only: it fills the type box.
    void setMode(int newMode);
    // Shows the transaction with that index (not a list position); throws
    // the core's error when there is none.
    void showTransaction(int index);

    // The chosen transaction's index; 0 while the index box shows its prompt.
    int index() const;
    // The shown transaction's date exactly as stored, also one the date box
    // can't show, until the user changes the date.
    int year() const;
    int month() const;
    int day() const;
    // The amount in the book's minor units; 0 while the box holds none.
    int money() const;
    // A typed amount in the book's minor units, in either decimal mark; none
    // for text that is no amount or past what a transaction holds.
    std::optional<int> readAmount(const QString& text) const;
    bool isIncome() const;
    // The id of the type the type box names; throws the core's "No
    // transaction type" when its text names none. After OK it always names one.
    int typeId() const;
    QString comment() const;
    // The comment as the book stores it; after OK it always can.
    std::string storedComment() const;

    // Create mode: the dialog starts on this date instead of today.
    void startOn(const QDate& date);
    // Accepted by Ctrl+Return, "Add and next": the caller opens another
    // dialog on the same date.
    bool addsNext() const { return nextWanted; }

public slots:
    // OK: refused, with a warning, while the type text names no type or the
    // comment can't be stored, so a caller never meets either after OK.
    void accept() override;

private slots:
    void deleteTrans(int index);
    void modifyTrans(int index);
    void addType();
    void delType();
    void clearContent(int index = 0);
    void enableOkButton();
    void enableTypeButtons(int index);
    void enableTypeButtons(const QString& typeName);

private:
    void fillTypeCombo();
    // The modes in which the user enters the fields OK reads.
    bool readsFields() const;
    void fillIndexCombo();
    // The amount box takes the book's decimals.
    void fitAmountBox();
    int decimals() const;
    // Shows the transaction of an index-box item; false, with the fields
    // cleared and OK off, for the prompt item or a transaction that is gone.
    bool showChosenTransaction(int item);
    void pinDate();
    // The type box with its Add button, the amount, in/out and comment.
    void setFieldsEditable(bool editable);
    void setTypeEditable(bool editable);
    // Whether the type of a type-box item may be deleted from the dialog.
    bool offersDelete(int item) const;
    // The fields still at their prompts or empty take the values of the
    // transaction at this book position.
    void fillFromEarlier(int position);
    // A new name that differs from a type's only in letter case is meant
    // only when the user says so.
    bool confirmNewName(const QString& name);
    // Whether the typed amount and comment can go into the book, converted
    // to the newer format when the user says so; false stays in the dialog.
    bool roomForFields();

    QComboBox* indexCombo;
    QComboBox* inOutCombo;
    TypeComboBox* typeCombo;
    BookDateEdit* dateDateEdit;
    QLabel* typeLabel;
    QLabel* moneyLabel;
    QLabel* commentLabel;
    QLineEdit* moneyLineEdit;
    QLineEdit* commentLineEdit;
    QPushButton* addButton;
    QPushButton* deleteButton;
    QPushButton* okButton;
    QPushButton* cancelButton;
    QHBoxLayout* dateTypeLayout;
    QHBoxLayout* moneyLayout;
    QVBoxLayout* fieldLayout;
    QHBoxLayout* commentLayout;
    QVBoxLayout* buttonLayout;
    QHBoxLayout* mainLayout;
    const KestLib::AccountDB* db = nullptr;
    StoredTextRoom textRoom{this};
    // The decimals the amount box's validator was made for.
    int boxDecimals = 0;
    Book* book = nullptr;
    int mode = CreateMode;
    TransactionIndexListModel* indexModel;
    UserPrompts* prompts = nullptr;
    bool nextWanted = false;
};
