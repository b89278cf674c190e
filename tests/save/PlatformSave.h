// What a save must leave: the platform's own four writes made to a copy of the file beside the test.
#pragma once

#include <string>

#include "tests/save/DialogValues.h"
#include "tests/support/ProfileView.h"

struct PlatformSaved {
    // Everything a fresh read lists, the four keys with their new values included.
    ProfileView view;
    size_t size;
};

// The file (empty for none) after the four writes of a save of these values, in the dialog's order.
PlatformSaved PlatformSave(const std::string& bytes, const DialogValues& values);
