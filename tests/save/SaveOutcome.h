// The whole states a settings file may be in after a save that may have been cut short, and which one it is in.
#pragma once

#include <string>
#include <vector>

#include "tests/support/FolderTree.h"
#include "tests/support/PlatformSave.h"

struct Outcome {
    // Byte for byte as before the save.
    bool kept = false;
    // Otherwise the index of the complete save it reads as, or -1 for none.
    int save = -1;
    // For a file in neither state: how it differs from each.
    std::string problem;

    bool Whole() const { return kept || save >= 0; }
};

// Compares the file with its bytes before the save, then with each complete save: by its bytes first, which is quick,
// then by what a fresh read gives.
Outcome OutcomeOf(const std::string& config, const std::string& before, const std::vector<PlatformSaved>& saves);
