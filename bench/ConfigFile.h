// Settings files of a chosen size, with the program's four keys at the very end, where a reader finds them last.
#pragma once

#include <cstddef>
#include <string>

// Exactly `bytes` long (at least the four keys): filler sections of plausible keys, then [main] and [bot].
std::string ConfigOfSize(size_t bytes);
