#pragma once

#include <QString>
#include <cstdint>

// A balance as the grand total names it: "Income: 70", "Outgoing: 30" (a
// negative balance is an outgoing one), "Income: 12,50" in German at 2 decimals.
QString balanceText(std::int64_t balance, int decimals);
