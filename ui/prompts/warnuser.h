#pragma once

#include <QString>

class QWidget;
class UserPrompts;

// Every warning of the program goes through here, under the one caption
// "Warning": the window's and each dialog's alike. details, when given, is
// the box's informative text.
void warnUser(UserPrompts& prompts, QWidget* parent, const QString& text, const QString& details = QString());
// The same for a dialog that may have been given no prompts: then the warning
// is a message box of its own.
void warnUser(UserPrompts* prompts, QWidget* parent, const QString& text, const QString& details = QString());

// The warning box itself, which the prompts of the real window show too.
void showWarningBox(QWidget* parent, const QString& caption, const QString& text, const QString& details);
