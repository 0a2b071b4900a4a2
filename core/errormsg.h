#pragma once

#include <string>

namespace KestLib {

// The core's only exception. Every core operation that fails throws one of
// these by value, with a fixed English message, before it changes anything.
// A failure of a file also carries the file's path and the system's error
// number, so that the user can be told which file and why; the message stays
// the fixed one.
class ErrorMsg {
public:
    explicit ErrorMsg(std::string message) : text(std::move(message)) {}
    ErrorMsg(std::string message, std::string path, int systemError)
        : text(std::move(message)), file(std::move(path)), error(systemError) {}
    const std::string& message() const { return text; }
    // The file that failed; empty when the error is not about a file.
    const std::string& path() const { return file; }
    void setPath(std::string path) { file = std::move(path); }
    // The errno of the call that failed, or 0 when the core refused on its
    // own grounds or the file's content was at fault.
    int systemError() const { return error; }

private:
    std::string text;
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

}  // namespace KestLib
