#pragma once

#include <QIcon>
#include <QString>

// The reverse-DNS id that names the program's desktop entry, its AppStream
// metadata, its icon and its file type; desktops match windows to their
// entries through it.
QString applicationId();

// The program's icon, at every size it was rendered in at build time.
QIcon applicationIcon();
