#pragma once

#include <QString>

#include "text/statement.h"

namespace PwText {

// Why a statement's row, or the whole file, can't be imported, in the
// user's language: "Line 12: …", without the line for the whole file.
QString describeStatementFault(const StatementFault& fault);

}  // namespace PwText
