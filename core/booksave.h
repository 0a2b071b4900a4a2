#pragma once

#include <string>

#include "accountdb.h"

namespace KestLib {

// Keeps the book at bookPath as its backup: the file is read as a database
// and written again under its name followed by ".bak" (which saveFile
// completes with ".pwdb"), so a damaged file stops a save before it is
// replaced. The backup holds the book's data, so it gets the book's
// permission bits before any of the data reaches it: a private book keeps a
// private backup, whatever the umask or an older backup's mode. Returns the
// backup's path.
std::string writeBackup(const std::string& bookPath);

// Saves db to fileName the safe way the window's Save does: the file there
// now, if any, is kept with writeBackup first. fileName receives the
// extension saveFile may add. Returns the backup's path, or an empty string
// when there was no file to keep.
std::string saveWithBackup(AccountDB& db, std::string& fileName);

}  // namespace KestLib
