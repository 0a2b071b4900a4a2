#pragma once

// Driving the statistic dialogs as a user does: their lists, dates and
// buttons found by object name or text.

#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

inline QListWidget* typeList(QDialog& dialog) { return dialog.findChild<QListWidget*>(QStringLiteral("typeListBox")); }
inline QListWidget* inOutList(QDialog& dialog) {
    return dialog.findChild<QListWidget*>(QStringLiteral("inOutListBox"));
}
inline QDateEdit* dateEdit(QDialog& dialog, const char* name) {
    return dialog.findChild<QDateEdit*>(QString::fromLatin1(name));
}

inline QPushButton* button(QDialog& dialog, const QString& text) {
    for (QPushButton* found : dialog.findChildren<QPushButton*>())
        if (found->text() == text) return found;
    qFatal("no button %s", qPrintable(text));
}

// A click as the user gives it, so that the current row moves as well.
inline void clickRow(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

inline void chooseTypes(QDialog& dialog, const QStringList& names) {
    QListWidget* list = typeList(dialog);
    for (int row = 0; row < list->count(); ++row)
        if (names.contains(list->item(row)->text())) clickRow(list, row);
}

enum class Direction { Both, Income, Outgoing };

// Both rows start selected; a click clears the one not wanted.
inline void chooseDirection(QDialog& dialog, Direction direction) {
    if (direction == Direction::Outgoing) clickRow(inOutList(dialog), 0);
    if (direction == Direction::Income) clickRow(inOutList(dialog), 1);
}

inline void setRange(QDialog& dialog, const QDate& from, const QDate& to) {
    // To first, so that From never passes it on the way.
    dateEdit(dialog, "toDate")->setDate(to);
    dateEdit(dialog, "fromDate")->setDate(from);
}
