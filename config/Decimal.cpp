// Works on the magnitude as unsigned, so the lowest value needs no special case.
#include "config/Decimal.h"

std::string DecimalText(int32_t value) {
    uint32_t magnitude = value < 0 ? 0u - uint32_t(value) : uint32_t(value);
    char digits[12];
    char* end = digits + sizeof digits;
    char* first = end;
    do {
        *--first = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) *--first = '-';
    return std::string(first, end);
}
