#pragma once

#include <QComboBox>

class QCompleter;
class QStringListModel;

// The transaction dialog's type box: a prompt at item 0, then the book's
// types; editable while the prompt is chosen, for the name of a new type.
// A typed name is completed inline from the types' names, whatever the
// letter case; Enter chooses the type it names (or, with no such type, asks
// for a new type of it) and goes on to the next field. Leaving the box never
// picks a type by itself, so Add sees what was typed, and Enter never goes
// on to the dialog: a half filled-in transaction is never accepted.
class TypeComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit TypeComboBox(QWidget* parent = nullptr);

    // The first item after the prompt that shows this text, or else shows
    // it in another letter case; -1 when none does.
    int listedItem(const QString& name) const;
    // While editable, the typed text is completed from the types' names
    // (never from the prompt).
    void completeFromTypes();

signals:
    // Enter on a typed name that no item shows.
    void newNameEntered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void listNames();

    QStringListModel* names = nullptr;
    QCompleter* completer = nullptr;
};
