#include "window/commandguard.h"

#include "prompts/warnuser.h"

void CommandGuard::warnText(const QString& text, const QString& details) const {
    warnUser(*prompts, parent, text, details);
}
