#pragma once

#include <QComboBox>

// The transaction dialog's type box: a prompt at item 0, then the book's
// types; editable while the prompt is chosen, for the name of a new type.
// A typed name stays as typed until the user decides: Enter chooses the
// listed type of that name, or asks for a new type of it, and leaving the
// box never picks a type by itself, so Add sees what was typed. Enter never
// goes on to the dialog: a half filled-in transaction is never accepted.
class TypeComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TypeComboBox(QWidget* parent = nullptr);

    // The first item after the prompt that shows exactly this text, or -1.
    int listedItem(const QString& name) const;

signals:
    // Enter on a typed name that no item shows.
    void newNameEntered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
