// What a save must leave: the platform's own four writes made to a copy of the file beside the test.
#pragma once

#include <string>

#include "tests/support/ProfileView.h"
#include "tests/support/Settings.h"

struct PlatformSaved {
    // The platform's layout of the saved file: the program's own save, made with the same calls, has the same bytes.
    std::string bytes;
    // Everything a fresh read lists, the four keys with their new values included: what a save must hold whatever
    // its bytes.
    ProfileView view;
};

// The file (empty for none) after the four writes of a save of these values, in the dialog's order. A list without
// a selection writes nothing: the dialog keeps its stored text.
PlatformSaved PlatformSave(const std::string& bytes, const Settings& values);
