#pragma once

#include <string_view>

#include "text/statement.h"

// The readers of each statement format; readStatement picks one by the
// format chosen or detected.

namespace PwText {

Statement readOfx(std::string_view bytes, const StatementOptions& options);
Statement readQif(std::string_view bytes, const StatementOptions& options);
Statement readBankCsv(std::string_view bytes, const StatementOptions& options);

// The year a two-digit year stands for: the one nearest today.
int nearestCenturyYear(int twoDigitYear);

}  // namespace PwText
