#include "tests/support/statisticsupport.h"

#include <QTest>

QListWidget* typeList(QDialog& dialog) { return dialog.findChild<QListWidget*>(QStringLiteral("typeListBox")); }
QListWidget* inOutList(QDialog& dialog) { return dialog.findChild<QListWidget*>(QStringLiteral("inOutListBox")); }
QDateEdit* dateEdit(QDialog& dialog, const char* name) {
    return dialog.findChild<QDateEdit*>(QString::fromLatin1(name));
}

QPushButton* button(QDialog& dialog, const QString& text) {
    for (QPushButton* found : dialog.findChildren<QPushButton*>())
        if (found->text() == text) return found;
    qFatal("no button %s", qPrintable(text));
}

void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
}

void chooseTypes(QDialog& dialog, const QStringList& names) {
    QListWidget* list = typeList(dialog);
    for (int row = 0; row < list->count(); ++row)
        if (names.contains(list->item(row)->text())) clickRow(list, row);
}

void chooseDirection(QDialog& dialog, Direction direction) {
    if (direction == Direction::Outgoing) clickRow(inOutList(dialog), 0);
    if (direction == Direction::Income) clickRow(inOutList(dialog), 1);
}

void setRange(QDialog& dialog, const QDate& from, const QDate& to) {
    // To first, so that From never passes it on the way.
    dateEdit(dialog, "toDate")->setDate(to);
    dateEdit(dialog, "fromDate")->setDate(from);
}
