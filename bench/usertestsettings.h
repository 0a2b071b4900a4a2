#pragma once

#include <QStandardPaths>

// A benchmark opens books as a user would, and the window remembers them in
// its settings (File > Recent Books). Called before the application object is
// made, this sends every setting to Qt's test folder (~/.qttest), so that no
// benchmark adds its books to the user's own list, nor leaves a dead entry
// there once it has removed them.
inline void useTestSettings() { QStandardPaths::setTestModeEnabled(true); }
