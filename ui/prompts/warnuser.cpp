#include "ui/prompts/warnuser.h"

#include <QCoreApplication>
#include <QMessageBox>

#include "ui/prompts/userprompts.h"

namespace {
// The window's context, where the caption has always been translated.
QString warningCaption() { return QCoreApplication::translate("MainWindow", "Warning"); }
}  // namespace

void warnUser(UserPrompts& prompts, QWidget* parent, const QString& text, const QString& details) {
    prompts.warn(parent, warningCaption(), text, details);
}

void warnUser(UserPrompts* prompts, QWidget* parent, const QString& text, const QString& details) {
    if (prompts) return warnUser(*prompts, parent, text, details);
    showWarningBox(parent, warningCaption(), text, details);
}

void showWarningBox(QWidget* parent, const QString& caption, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}
