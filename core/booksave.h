#pragma once

#include <string>

#include "accountdb.h"

namespace KestLib {

// Saves db to fileName the safe way the window's Save does. The file there
// now, if any, is first read as a database and written again under its name
// followed by ".bak" (which saveFile completes with ".pwdb"), so a damaged
// file stops the save before it is replaced, and the previous state is kept.
// fileName receives the extension saveFile may add. Returns the backup's
// path, or an empty string when there was no file to keep.
std::string saveWithBackup(AccountDB& db, std::string& fileName);

}  // namespace KestLib
