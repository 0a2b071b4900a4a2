#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace KestLib {

// What went wrong, for a caller that words it in its own terms; the
// message below says the same in the core's fixed English.
enum class ErrorCode {
    outOfBound,
    typeInUse,
    noType,
    noIndex,
    fileOpen,  // a file couldn't be looked at or opened for reading
    notDatabase,
    wrongVersion,
    tooManyTypes,
    damaged,
    fileWrite,
    nameTooLong,
    typeNameTooLong,
    commentTooLong,
    noIndexLeft,
    indexInUse,
    backupNameTooLong,
    badBudgetPeriod,
    typeExists,       // subject(): the name, as stored
    notEnoughMemory,  // path(): the file that didn't fit
    newerVersion,
    notStorableText,
    nameTooLongFormat2,
    typeNameTooLongFormat2,
    commentTooLongFormat2,
    badDecimals,
    amountTooLarge,
    amountLosesDigits,
    fileOpenForWriting,  // path(): the file that couldn't be created or replaced
    // A new code goes last, named in errorCodeCount below, with its text in errorTexts.
};
inline constexpr std::size_t errorCodeCount = static_cast<std::size_t>(ErrorCode::fileOpenForWriting) + 1;

// The core's only exception. Every core operation that fails throws one of
// these by value, with its code and a fixed English message, before it
// changes anything. A failure of a file also carries the file's path and the
// system's error number, so that the user can be told which file and why;
// the message stays the fixed one.
class ErrorMsg {
public:
    explicit ErrorMsg(ErrorCode code) : code_(code), text(messageOf(code, {})) {}
    ErrorMsg(ErrorCode code, std::string path, int systemError)
        : code_(code), text(messageOf(code, path)), file(std::move(path)), error(systemError) {}
    // The name given to a new type is taken by another.
    static ErrorMsg typeExists(std::string name) {
        ErrorMsg failure(ErrorCode::typeExists);
        failure.text = messageOf(ErrorCode::typeExists, name);
        failure.name = std::move(name);
        return failure;
    }

    ErrorCode code() const { return code_; }
    const std::string& message() const { return text; }
    // What the message is about besides a file: the name of typeExists.
    const std::string& subject() const { return name; }
    // The file that failed; empty when the error is not about a file.
    const std::string& path() const { return file; }
    void setPath(std::string path) { file = std::move(path); }
    // The errno of the call that failed, or 0 when the core refused on its
    // own grounds or the file's content was at fault.
    int systemError() const { return error; }

private:
    // The message of code with subject in the place of its "%1".
    static std::string messageOf(ErrorCode code, const std::string& subject);

    ErrorCode code_;
    std::string text;
    std::string name;
    std::string file;
    int error = 0;
};

// The core's messages by their code, spelled once. "%1" stands for what the
// message is about: the name of typeExists, the file of notEnoughMemory. The
// GUI shows them as they are and uses them, "%1" and all, as translation
// keys, so their wording must not change; fileOpenForWriting alone has a
// sentence of its own there, around its file.
struct ErrorText {
    ErrorCode code;
    std::string_view text;
};
inline constexpr std::array<ErrorText, errorCodeCount> errorTexts = {{
    {ErrorCode::outOfBound, "Array out of bound"},
    {ErrorCode::typeInUse, "There are still other transactions use this type"},
    {ErrorCode::noType, "No transaction type"},
    {ErrorCode::noIndex, "The transaction index is not exist"},
    {ErrorCode::fileOpen, "File open error"},
    {ErrorCode::notDatabase, "Not Pennywell database file"},
    {ErrorCode::wrongVersion, "This PWDB file is correspond with this program"},
    {ErrorCode::tooManyTypes, "Too many transaction types"},
    {ErrorCode::damaged, "Damaged Pennywell database file"},
    {ErrorCode::fileWrite, "File write error"},
    {ErrorCode::nameTooLong, "The database name is longer than 255 bytes"},
    {ErrorCode::typeNameTooLong, "A type name is longer than 255 bytes"},
    {ErrorCode::commentTooLong, "A comment is longer than 255 bytes"},
    {ErrorCode::noIndexLeft, "No transaction index left"},
    {ErrorCode::indexInUse, "The transaction index is in use"},
    {ErrorCode::backupNameTooLong, "The backup file's name would be longer than 255 bytes"},
    {ErrorCode::badBudgetPeriod, "From, Today and To must be dates in this order"},
    {ErrorCode::typeExists, "The type %1 has existed"},
    {ErrorCode::notEnoughMemory, "not enough memory to read %1"},
    {ErrorCode::newerVersion, "This book was made by a newer Pennywell"},
    {ErrorCode::notStorableText, "A text is not UTF-8 or holds a control character"},
    {ErrorCode::nameTooLongFormat2, "The database name is longer than 100 characters"},
    {ErrorCode::typeNameTooLongFormat2, "A type name is longer than 100 characters"},
    {ErrorCode::commentTooLongFormat2, "A comment is longer than 1000 characters"},
    {ErrorCode::badDecimals, "A book keeps 0, 2 or 3 decimals"},
    {ErrorCode::amountTooLarge, "An amount is too large for the book's decimals"},
    {ErrorCode::amountLosesDigits, "An amount has more decimals than the book would keep"},
    // The message of fileOpen: scripts read the core's message as it always
    // was, and only a caller that words the failure itself tells the two.
    {ErrorCode::fileOpenForWriting, "File open error"},
}};
static_assert(
    [] {
        for (std::size_t i = 0; i < errorTexts.size(); ++i)
            if (static_cast<std::size_t>(errorTexts[i].code) != i) return false;
        return true;
    }(),
    "errorTexts holds every code once, in the order of ErrorCode");

// The message of code as the core spells it, with "%1" where its subject goes.
constexpr std::string_view errorText(ErrorCode code) { return errorTexts[static_cast<std::size_t>(code)].text; }

inline std::string ErrorMsg::messageOf(ErrorCode code, const std::string& subject) {
    std::string message(errorText(code));
    if (const std::size_t at = message.find("%1"); at != std::string::npos) message.replace(at, 2, subject);
    return message;
}

}  // namespace KestLib
