// What a save must leave: the platform's own four writes made to a copy of the file beside the test.
#pragma once

#include <string>

#include "tests/support/ProfileView.h"
#include "tests/support/Settings.h"

struct PlatformSaved {
    // Everything a fresh read lists, the four keys with their new values included.
    ProfileView view;
    size_t size;
};

// The file (empty for none) after the four writes of a save of these values, in the dialog's order. A list without
// a selection writes nothing: the dialog keeps its stored text.
PlatformSaved PlatformSave(const std::string& bytes, const Settings& values);
