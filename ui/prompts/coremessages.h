#pragma once

#include <QString>
#include <string>

namespace KestLib {
class ErrorMsg;
enum class ErrorCode;
}  // namespace KestLib

// A core error as the user reads it, chosen by its code. The core's messages
// are fixed English texts and double as translation keys in the context
// "MainWindow"; the one that carries a type name is translated as a whole
// sentence with the name (Big5, as stored) in its place. A file that can't
// be opened for writing, "File open error" in the core as one that can't be
// read, gets a sentence of its own that names the file. A message without a
// wording here is shown decoded, untranslated.
// A type name in it is read by format, the format of the book it is about.
QString coreMessageText(const KestLib::ErrorMsg& error, int format = 1);
// The same for a message already taken out of its error, found by its text;
// any other text (a standard exception's) is shown decoded, untranslated.
// For callers that hold only the text; one that holds the error passes it.
QString coreMessageText(const std::string& message);
// The translation key of code's message ("%1" where its subject goes), or
// null when the window has no wording for it.
const char* coreMessageSource(KestLib::ErrorCode code);

// The system's reason for an errno, in the program's language where the
// program has a wording for it, else in the C library's.
QString systemErrorText(int error);

// The informative text of the warning about error: the file and the
// system's reason ("/home/ann/money.pwdb: Permission denied") when it is
// about a file, then kept, what the failure left as it was; the parts that
// are there, one per line.
QString coreErrorDetails(const KestLib::ErrorMsg& error, const QString& kept = QString());
