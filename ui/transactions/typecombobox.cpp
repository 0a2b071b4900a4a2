#include "ui/transactions/typecombobox.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringListModel>

TypeComboBox::TypeComboBox(QWidget* parent) : QComboBox(parent) {
    // A typed name becomes a type through the dialog, never by the box.
    setInsertPolicy(QComboBox::NoInsert);
}

int TypeComboBox::listedItem(const QString& name) const {
    // Item 0 is the prompt, whatever its text.
    for (int item = 1; item < count(); ++item)
        if (itemText(item) == name) return item;
    for (int item = 1; item < count(); ++item)
        if (!name.isEmpty() && itemText(item).compare(name, Qt::CaseInsensitive) == 0) return item;
    return -1;
}

void TypeComboBox::completeFromTypes() {
    if (!completer) {
        names = new QStringListModel(this);
        completer = new QCompleter(names, this);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setModelSorting(QCompleter::UnsortedModel);
        for (auto changed : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(model(), changed, this, &TypeComboBox::listNames);
        connect(model(), &QAbstractItemModel::modelReset, this, &TypeComboBox::listNames);
        listNames();
    }
    // The box makes a line edit, with a completer of its own, each time it
    // becomes editable.
    if (isEditable()) setCompleter(completer);
}

void TypeComboBox::listNames() {
    QStringList listed;
    for (int item = 1; item < count(); ++item)
        if (!itemText(item).isEmpty()) listed << itemText(item);
    names->setStringList(listed);
}

void TypeComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QComboBox::keyPressEvent(event);
        return;
    }
    event->accept();
    if (isEditable()) {
        if (currentText().isEmpty()) return;
        const int item = listedItem(currentText());
        if (item < 0) {
            emit newNameEntered();
        } else {
            setCurrentIndex(item);
            emit activated(item);
        }
    }
    // A type chosen or added: on to the amount.
    if (currentIndex() > 0) focusNextChild();
}

void TypeComboBox::focusOutEvent(QFocusEvent* event) {
    // The box would choose the item that shows the typed text when its line
    // edit reports the editing finished.
    const QSignalBlocker quiet(lineEdit());
    QComboBox::focusOutEvent(event);
}
