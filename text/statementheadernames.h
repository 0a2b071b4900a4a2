#pragma once

#include <span>

#include "text/statement.h"

// The names banks give their CSV columns, and what each column holds: the
// one table the readers guess a statement's layout from. The README lists
// the same names for users.

namespace PwText {

struct StatementHeaderName {
    const char* name;  // case-folded UTF-8
    StatementField field;
};

// Every name known, in English, German, Dutch, French and the Chinese of
// Taiwan's banks.
std::span<const StatementHeaderName> statementHeaderNames();

}  // namespace PwText
