#pragma once

#include <string>
#include <string_view>

#include "core/selection.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

// The transactions the filter takes as a plain-text accounting journal in
// ledger's format, in the book's order. Each transaction moves
// its amount between Assets:<book name> and Income:<type> (income) or
// Expenses:<type> (outgoing), so the balance of the asset account over a
// range is the grand total over that range.
std::string exportLedger(const KestLib::AccountDB& db, const KestLib::Selection& filter = {});

// A name usable as one level of an account name: no colon (a level
// separator), no brackets or semicolons, no control characters, single
// spaces only, trimmed; fallback when nothing is left.
std::string ledgerAccountPart(std::string_view utf8, std::string_view fallback);

}  // namespace PwText
