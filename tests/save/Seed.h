// The seed of this suite's random moments: printed by each test, and set with TOLV_SAVE_SEED to replay a run.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tests/support/Paths.h"

// A generator for the running test, from the seed and the test's name, so that each test draws its own numbers.
inline std::mt19937 SeededRandom() {
    const char* text = std::getenv("TOLV_SAVE_SEED");
    unsigned long seed = text && *text ? std::strtoul(text, nullptr, 0) : 20261211ul;
    std::string name = CurrentTestName();
    std::printf("%s: seed %lu (replay with TOLV_SAVE_SEED=%lu)\n", name.c_str(), seed, seed);
    std::fflush(stdout);
    std::vector<unsigned long> words{seed};
    words.insert(words.end(), name.begin(), name.end());
    std::seed_seq sequence(words.begin(), words.end());
    return std::mt19937(sequence);
}
