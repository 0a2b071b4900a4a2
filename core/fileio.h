#pragma once

#include <string>
#include <string_view>

namespace KestLib {

// Replaces path with bytes so that a failure at any point leaves the previous
// file as it was: the bytes go to a temporary file beside the target, which is
// synced and then renamed over it. "File open error" when the temporary file
// can't be created or the target can't be written; "File write error" when
// writing, syncing or renaming fails.
void writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace KestLib
