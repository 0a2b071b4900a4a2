#include "saveplan.h"

#include <filesystem>

#include "accountdb.h"
#include "errormsg.h"

namespace KestLib {

namespace {

// The most bytes a name in a folder may have on Linux's file systems.
constexpr std::size_t longestName = 255;

}  // namespace

SavePlan SavePlan::make(const std::string& readFrom, const std::string& target,
                        const std::optional<FileIdentity>& readIdentity) {
    SavePlan plan;
    plan.target_ = AccountDB::completedFileName(target);
    const std::optional<FileIdentity> there = FileIdentity::of(plan.target_);
    plan.createsTarget_ = !there;
    const bool savesWhatWasRead =
        !readFrom.empty() && (plan.target_ == readFrom || isSameFile(plan.target_, readFrom));

    if (there && !savesWhatWasRead) plan.overwritten_ = plan.target_;
    if (savesWhatWasRead && there && readIdentity && *there != *readIdentity) plan.changedSinceRead_ = true;

    // Save As keeps no backup: the question guards what it replaces.
    if (!readFrom.empty()) {
        if (there)
            plan.backupSource_ = plan.target_;
        else if (FileIdentity::of(readFrom))
            plan.backupSource_ = readFrom;  // a bound file that is gone has nothing to keep
    }
    if (!plan.backupSource_.empty()) {
        plan.backupFile_ = AccountDB::completedFileName(plan.backupSource_ + ".bak");
        // Refused now rather than after the questions, and so before anything is written.
        if (std::filesystem::path(plan.backupFile_).filename().native().size() > longestName)
            throw ErrorMsg(ErrorCode::backupNameTooLong, plan.backupFile_, 0);
    }
    return plan;
}

}  // namespace KestLib
