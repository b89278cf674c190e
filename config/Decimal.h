// The text form of an integer in the settings file.
#pragma once

#include <cstdint>
#include <string>

// "-" for negatives, then the digits without leading zeros; the lowest 32-bit value included.
std::string DecimalText(int32_t value);
