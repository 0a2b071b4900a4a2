#pragma once

#include <string>
#include <utility>

namespace KestLib {

// What went wrong, for a caller that words it in its own terms; the
// message below says the same in the core's fixed English.
enum class ErrorCode {
    outOfBound,
    typeInUse,
    noType,
    noIndex,
    fileOpen,
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
};

// The core's only exception. Every core operation that fails throws one of
// these by value, with its code and a fixed English message, before it
// changes anything. A failure of a file also carries the file's path and the
// system's error number, so that the user can be told which file and why;
// the message stays the fixed one.
class ErrorMsg {
public:
    explicit ErrorMsg(ErrorCode code) : code_(code), text(messageOf(code, {}, {})) {}
    ErrorMsg(ErrorCode code, std::string path, int systemError)
        : code_(code), text(messageOf(code, {}, path)), file(std::move(path)), error(systemError) {}
    // The name given to a new type is taken by another.
    static ErrorMsg typeExists(std::string name) {
        ErrorMsg failure(ErrorCode::typeExists);
        failure.text = messageOf(ErrorCode::typeExists, name, {});
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
    static std::string messageOf(ErrorCode code, const std::string& name, const std::string& path);

    ErrorCode code_;
    std::string text;
    std::string name;
    std::string file;
    int error = 0;
};

// The messages, spelled once. The GUI shows them as they are and uses them as
// translation keys, so their wording must not change.
namespace Msg {
inline constexpr const char* outOfBound = "Array out of bound";
inline constexpr const char* typeInUse = "There are still other transactions use this type";
inline constexpr const char* noType = "No transaction type";
inline constexpr const char* noIndex = "The transaction index is not exist";
inline constexpr const char* fileOpen = "File open error";
inline constexpr const char* notDatabase = "Not Pennywell database file";
inline constexpr const char* wrongVersion = "This PWDB file is correspond with this program";
inline constexpr const char* tooManyTypes = "Too many transaction types";
inline constexpr const char* damaged = "Damaged Pennywell database file";
inline constexpr const char* fileWrite = "File write error";
inline constexpr const char* nameTooLong = "The database name is longer than 255 bytes";
inline constexpr const char* typeNameTooLong = "A type name is longer than 255 bytes";
inline constexpr const char* commentTooLong = "A comment is longer than 255 bytes";
inline constexpr const char* noIndexLeft = "No transaction index left";
inline constexpr const char* indexInUse = "The transaction index is in use";
inline constexpr const char* backupNameTooLong = "The backup file's name would be longer than 255 bytes";
inline constexpr const char* badBudgetPeriod = "From, Today and To must be dates in this order";
inline std::string typeExists(const std::string& name) { return "The type " + name + " has existed"; }
inline std::string notEnoughMemory(const std::string& file) { return "not enough memory to read " + file; }
}  // namespace Msg

inline std::string ErrorMsg::messageOf(ErrorCode code, const std::string& name, const std::string& path) {
    switch (code) {
    case ErrorCode::outOfBound: return Msg::outOfBound;
    case ErrorCode::typeInUse: return Msg::typeInUse;
    case ErrorCode::noType: return Msg::noType;
    case ErrorCode::noIndex: return Msg::noIndex;
    case ErrorCode::fileOpen: return Msg::fileOpen;
    case ErrorCode::notDatabase: return Msg::notDatabase;
    case ErrorCode::wrongVersion: return Msg::wrongVersion;
    case ErrorCode::tooManyTypes: return Msg::tooManyTypes;
    case ErrorCode::damaged: return Msg::damaged;
    case ErrorCode::fileWrite: return Msg::fileWrite;
    case ErrorCode::nameTooLong: return Msg::nameTooLong;
    case ErrorCode::typeNameTooLong: return Msg::typeNameTooLong;
    case ErrorCode::commentTooLong: return Msg::commentTooLong;
    case ErrorCode::noIndexLeft: return Msg::noIndexLeft;
    case ErrorCode::indexInUse: return Msg::indexInUse;
    case ErrorCode::backupNameTooLong: return Msg::backupNameTooLong;
    case ErrorCode::badBudgetPeriod: return Msg::badBudgetPeriod;
    case ErrorCode::typeExists: return Msg::typeExists(name);
    case ErrorCode::notEnoughMemory: return Msg::notEnoughMemory(path);
    }
    return {};
}

}  // namespace KestLib
