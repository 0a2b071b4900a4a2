#pragma once

#include <string_view>

#include "text/statement.h"

// The front door of the statement readers: picks the format's reader and
// gives every statement the same limits.

namespace PwText {

// Reads a statement whole. Never throws on any input: what can't be read is
// a fault with its line.
Statement readStatement(std::string_view bytes, const StatementOptions& options);

// The format a statement's bytes are in: OFX (an OFXHEADER line or an <OFX>
// element), QIF (a line starting with !Type: or !Option), else CSV.
StatementFormat detectStatementFormat(std::string_view bytes);

}  // namespace PwText
