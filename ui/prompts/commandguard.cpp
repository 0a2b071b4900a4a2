#include "ui/prompts/commandguard.h"

#include "ui/prompts/warnuser.h"

void CommandGuard::warnText(const QString& text, const QString& details) const {
    warnUser(*prompts, parent, text, details);
}
