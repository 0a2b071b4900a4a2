#pragma once

#include <QString>

// The book named on the command line as a local path. Desktops start the
// program with either a path or a file:// URL (file managers differ), so a
// file URL is turned into its path; anything else is taken as a path.
QString bookPathFromArgument(const QString& argument);
