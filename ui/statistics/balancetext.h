#pragma once

#include <QString>
#include <cstdint>

// A balance as the grand total and the charts name it: "Income: 70",
// "Outgoing: 30" (a negative balance is an outgoing one).
QString balanceText(std::int64_t balance);
