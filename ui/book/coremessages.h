#pragma once

#include <QString>
#include <string>

// A message of the core's KestLib::ErrorMsg as the user reads it. The core's
// messages are fixed English texts and double as translation keys in the
// context "MainWindow"; the one that carries a type name is translated as a
// whole sentence with the name (Big5, as stored) in its place. A message the
// table doesn't know is shown decoded, untranslated.
QString coreMessageText(const std::string& message);

namespace KestLib {
class ErrorMsg;
}

// The system's reason for an errno, in the program's language where the
// program has a wording for it, else in the C library's.
QString systemErrorText(int error);

// The informative text of the warning about error: the file and the
// system's reason ("/home/ann/money.pwdb: Permission denied") when it is
// about a file, then kept, what the failure left as it was; the parts that
// are there, one per line.
QString coreErrorDetails(const KestLib::ErrorMsg& error, const QString& kept = QString());
