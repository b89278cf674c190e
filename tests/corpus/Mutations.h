// Damaged copies of a settings file, the way crashed writes, bad copies and careless edits leave them.
#pragma once

#include <random>
#include <string>

struct Mutant {
    std::string bytes;
    // What was done to it, for a failure message.
    std::string story;
};

// One to three damages, each chosen by the generator: flipped bytes, cut lines, repeated sections,
// very long values, stray line breaks and zero bytes, a cut-off end.
Mutant Mutate(const std::string& bytes, std::mt19937& random);
