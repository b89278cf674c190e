// Shapes of a settings file that real machines hand the program: left by editors, other tools and accidents.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct Fixture {
    // Says how the platform changes the text on a save, where it does.
    const char* name;
    // Made when a test needs it, so the large files cost nothing until then.
    std::string (*bytes)();
    // Lines no profile read can show (a second copy of a section) that a save must leave in the file.
    std::vector<std::string> keptLines;
};

const std::vector<Fixture>& FileCorpus();
// The corpus without the files too large to open a hundred times.
std::vector<Fixture> SmallFileCorpus();

// Lets gtest name a row by its fixture, in test names and in messages.
inline std::string FixtureName(const Fixture& fixture) { return fixture.name; }
inline void PrintTo(const Fixture& fixture, std::ostream* out) { *out << fixture.name; }
