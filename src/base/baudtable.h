#pragma once

// The baud rates the user can choose, index 0 to 5; index 3 (9600) by default.
namespace BaudTable {
constexpr int kRates[6] = {1200, 2400, 4800, 9600, 19200, 38400};
constexpr int kDefaultIndex = 3;
int rate(int index); // the default rate for an index out of range
} // namespace BaudTable
