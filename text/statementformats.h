#pragma once

#include <string_view>

#include "statement.h"

// The reader of each statement format; readStatement picks one.

namespace PwText {

Statement readOfx(std::string_view bytes, const StatementOptions& options);
Statement readQif(std::string_view bytes, const StatementOptions& options);
Statement readBankCsv(std::string_view bytes, const StatementOptions& options);

}  // namespace PwText
