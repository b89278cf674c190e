// The whole states a settings file may be in after a save that may have been cut short, and which one it is in.
#pragma once

#include <string>
#include <vector>

#include "tests/support/ProfileView.h"

struct Outcome {
    // Byte for byte as before the save.
    bool kept = false;
    // Otherwise the index of the complete save it reads as, or -1 for none.
    int save = -1;
    // For a file in neither state: how it differs from each.
    std::string problem;

    bool Whole() const { return kept || save >= 0; }
};

// Compares the file with its bytes before the save, then with each complete save a fresh read may give.
Outcome OutcomeOf(const std::string& config, const std::string& before, const std::vector<ProfileView>& saves);

// The names in a folder, sorted; a save must leave nothing beside the file.
std::vector<std::string> FilesIn(const std::string& folder);
