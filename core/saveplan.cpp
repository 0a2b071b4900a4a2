#include "core/saveplan.h"

#include <sys/stat.h>

#include <cerrno>
#include <ctime>
#include <filesystem>

#include "core/accountdb.h"
#include "core/errormsg.h"

namespace KestLib {

namespace {

// The most bytes a name in a folder may have on Linux's file systems.
constexpr std::size_t longestName = 255;
// Numbers tried after a kept version's name before the save gives up.
constexpr int keptNameAttempts = 1000;

// Refused when the plan is made rather than after the questions, and so
// before anything is written.
void refuseTooLong(const std::string& path) {
    if (std::filesystem::path(path).filename().native().size() > longestName)
        throw ErrorMsg(ErrorCode::backupNameTooLong, path, 0);
}

bool isTaken(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 || errno != ENOENT;
}

// "money.pwdb.replaced-2026-12-08T10-31-05.pwdb": the book's name, the time
// the other version was written, and a number when that name is taken.
std::string keptVersionName(const std::string& target, std::int64_t writtenAt) {
    const std::time_t seconds = static_cast<std::time_t>(writtenAt);
    std::tm local{};
    char stamp[32] = "";
    if (::localtime_r(&seconds, &local)) std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H-%M-%S", &local);
    const std::string stem = target + ".replaced-" + stamp;
    for (int attempt = 1; attempt <= keptNameAttempts; ++attempt) {
        const std::string name = stem + (attempt == 1 ? std::string() : "-" + std::to_string(attempt)) + ".pwdb";
        refuseTooLong(name);
        if (!isTaken(name)) return name;
    }
    throw ErrorMsg(ErrorCode::fileOpen, stem + ".pwdb", EEXIST);
}

}  // namespace

SavePlan SavePlan::make(const std::string& readFrom, const std::string& target,
                        const std::optional<FileIdentity>& readIdentity) {
    SavePlan plan;
    plan.target_ = AccountDB::completedFileName(target);
    const std::optional<FileIdentity> there = FileIdentity::of(plan.target_);
    plan.targetIdentity_ = there;
    plan.createsTarget_ = !there;
    const bool savesWhatWasRead = !readFrom.empty() && (plan.target_ == readFrom || isSameFile(plan.target_, readFrom));

    if (there && !savesWhatWasRead) plan.overwritten_ = plan.target_;
    if (savesWhatWasRead && there && readIdentity && *there != *readIdentity) {
        plan.changedSinceRead_ = true;
        // The backup alone would keep it only until the next save.
        plan.keptVersion_ = keptVersionName(plan.target_, there->modifiedSeconds);
    }

    // Save As keeps no backup: the question guards what it replaces.
    if (!readFrom.empty()) {
        if (there)
            plan.backupSource_ = plan.target_;
        else if (FileIdentity::of(readFrom))
            plan.backupSource_ = readFrom;  // a bound file that is gone has nothing to keep
    }
    if (!plan.backupSource_.empty()) {
        plan.backupFile_ = AccountDB::completedFileName(plan.backupSource_ + ".bak");
        refuseTooLong(plan.backupFile_);
    }
    return plan;
}

bool SavePlan::asksAsBefore(const SavePlan& other) const {
    return target_ == other.target_ && overwritten_ == other.overwritten_ &&
           changedSinceRead_ == other.changedSinceRead_ && keptVersion_ == other.keptVersion_ &&
           targetIdentity_ == other.targetIdentity_;
}

}  // namespace KestLib
