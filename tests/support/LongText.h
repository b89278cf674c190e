// Long values for settings that must survive a load and a save whole.
#pragma once

#include <cstdint>
#include <string>

// Text that no step of the read can mistake for another: no blanks, quotes or "=", and no period to repeat.
inline std::string LongValue(size_t length) {
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789^_-.";
    std::string text;
    uint32_t state = uint32_t(length);
    for (size_t i = 0; i < length; ++i) {
        state = state * 1103515245u + 12345u;
        text += kAlphabet[(state >> 16) % (sizeof kAlphabet - 1)];
    }
    return text;
}
