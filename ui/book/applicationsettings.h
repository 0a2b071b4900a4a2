#pragma once

#include <QSettings>
#include <memory>

// The user's own settings of the program, which outlive the run: recent
// books, remembered statement mappings. Tests point XDG_CONFIG_HOME elsewhere.
std::unique_ptr<QSettings> applicationSettings();
