#include "window/commandguard.h"

#include <QCoreApplication>

#include "prompts/userprompts.h"

void CommandGuard::warn(const std::string& message, const QString& details) const {
    warnText(coreMessageText(message), details);
}

void CommandGuard::warnText(const QString& text, const QString& details) const {
    prompts->warn(parent, QCoreApplication::translate("MainWindow", "Warning"), text, details);
}
