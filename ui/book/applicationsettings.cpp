#include "ui/book/applicationsettings.h"

std::unique_ptr<QSettings> applicationSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Pennywell"),
                                       QStringLiteral("Pennywell"));
}
