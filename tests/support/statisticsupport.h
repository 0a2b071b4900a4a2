#pragma once

// Driving the statistic dialogs as a user does: their lists, dates and
// buttons found by object name or text.

#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

QListWidget* typeList(QDialog& dialog);
QListWidget* inOutList(QDialog& dialog);
QDateEdit* dateEdit(QDialog& dialog, const char* name);
QPushButton* button(QDialog& dialog, const QString& text);

// A click as the user gives it, so that the current row moves as well.
void clickRow(QListWidget* list, int row);
void chooseTypes(QDialog& dialog, const QStringList& names);

enum class Direction { Both, Income, Outgoing };

// Both rows start selected; a click clears the one not wanted.
void chooseDirection(QDialog& dialog, Direction direction);
void setRange(QDialog& dialog, const QDate& from, const QDate& to);
