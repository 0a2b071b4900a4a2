#pragma once

#include <QIcon>
#include <QString>
#include <memory>

class QSettings;

// The reverse-DNS id that names the program's desktop entry, its AppStream
// metadata, its icon and its file type; desktops match windows to their
// entries through it.
QString applicationId();

// The program's icon, at every size it was rendered in at build time.
QIcon applicationIcon();

// The about box's text: the program's name with its version, who made it and
// where to report problems, in the program's language.
QString aboutText();

// The user's own settings of the program, which outlive the run: recent
// books, remembered statement mappings. Tests point XDG_CONFIG_HOME elsewhere.
std::unique_ptr<QSettings> applicationSettings();
