#include "ui/prompts/warnuser.h"

#include <QCoreApplication>

#include "ui/prompts/dialogprompts.h"

void warnUser(UserPrompts& prompts, QWidget* parent, const QString& text, const QString& details) {
    // The window's context, where the caption has always been translated.
    prompts.warn(parent, QCoreApplication::translate("MainWindow", "Warning"), text, details);
}

void warnUser(UserPrompts* prompts, QWidget* parent, const QString& text, const QString& details) {
    DialogPrompts boxes;
    warnUser(prompts ? *prompts : boxes, parent, text, details);
}
