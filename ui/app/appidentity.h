#pragma once

#include <QIcon>
#include <QString>

// The reverse-DNS id that names the program's desktop entry, its AppStream
// metadata, its icon and its file type; desktops match windows to their
// entries through it.
QString applicationId();

// The program's icon, at every size it was rendered in at build time.
QIcon applicationIcon();

// The about box's text: the program's name with its version, who made it and
// where to report problems, in the program's language.
QString aboutText();
