#include "booksave.h"

#include <filesystem>

namespace KestLib {

std::string saveWithBackup(AccountDB& db, std::string& fileName) {
    std::string backup;
    std::error_code error;
    if (std::filesystem::exists(fileName, error)) {
        AccountDB previous;
        previous.loadFile(fileName);
        backup = fileName + ".bak";
        previous.saveFile(backup);
    }
    db.saveFile(fileName);
    return backup;
}

}  // namespace KestLib
