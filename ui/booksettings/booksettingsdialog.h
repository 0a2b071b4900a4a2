#pragma once

#include <QDialog>

class Book;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UserPrompts;

// Database > Book Settings…: the format of the book's file, with the way to
// the newer one, the decimals its amounts keep, and its name. Convert
// converts at once; OK then sets the decimals and the name, each one step
// of the book's history, or refuses with a warning and changes nothing.
class BookSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit BookSettingsDialog(QWidget* parent = nullptr);

    // The book shown and changed; not owned.
    void setBook(Book& shown);
    // Where questions and warnings go; not owned. Without prompts they are
    // message boxes.
    void setPrompts(UserPrompts* replacement) { prompts = replacement; }

public slots:
    void accept() override;

private:
    void convert();
    // The fields from the book as it is now.
    void showBook();

    Book* book = nullptr;
    UserPrompts* prompts = nullptr;
    QLabel* formatValue;
    QPushButton* convertButton;
    QComboBox* decimalsCombo;
    QLineEdit* nameLineEdit;
    QPushButton* okButton;
    QPushButton* cancelButton;
};
