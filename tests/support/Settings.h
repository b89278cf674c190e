// The four settings as the dialog shows them, one value that every suite reads and compares the same way.
#pragma once

#include <ostream>
#include <string>

#include "tests/support/DialogProcess.h"

// An index of -1 is a list without a selection.
struct Settings {
    int botIndex;
    bool debug;
    int skillIndex;
    std::string nick;

    bool operator==(const Settings& other) const {
        return botIndex == other.botIndex && debug == other.debug && skillIndex == other.skillIndex &&
               nick == other.nick;
    }
    bool operator!=(const Settings& other) const { return !(*this == other); }
};

// What a missing file, section or key shows.
const Settings kDefaultSettings{1, false, 2, "^2^btolv^n^7"};

// Read from the controls at once, as a screen reader would.
Settings WhatTheDialogShows(const DialogProcess& dialog);

// For failure messages; a long prefix is shown by its length and ends.
void PrintTo(const Settings& settings, std::ostream* out);
