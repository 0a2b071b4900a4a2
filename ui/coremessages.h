#pragma once

#include <QString>
#include <string>

// A message of the core's KestLib::ErrorMsg as the user reads it. The core's
// messages are fixed English texts and double as translation keys in the
// context "MainWindow"; the one that carries a type name is translated as a
// whole sentence with the name (Big5, as stored) in its place. A message the
// table doesn't know is shown decoded, untranslated.
QString coreMessageText(const std::string& message);
