#include "ui/transactions/typecombobox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

TypeComboBox::TypeComboBox(QWidget* parent) : QComboBox(parent) {
    // A typed name becomes a type through the dialog, never by the box.
    setInsertPolicy(QComboBox::NoInsert);
}

int TypeComboBox::listedItem(const QString& name) const {
    // Item 0 is the prompt, whatever its text.
    for (int item = 1; item < count(); ++item)
        if (itemText(item) == name) return item;
    return -1;
}

void TypeComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!isEditable() || currentText().isEmpty()) return;
    const int item = listedItem(currentText());
    if (item < 0) {
        emit newNameEntered();
        return;
    }
    setCurrentIndex(item);
    emit activated(item);
}

void TypeComboBox::focusOutEvent(QFocusEvent* event) {
    // The box would choose the item that shows the typed text when its line
    // edit reports the editing finished.
    const QSignalBlocker quiet(lineEdit());
    QComboBox::focusOutEvent(event);
}
