// What the player sees in the dialog and does to it; each step waits until the program has taken it.
#pragma once

#include <ostream>
#include <string>

#include "tests/support/DialogProcess.h"

struct Shown {
    int botCount;  // the list's index; -1 for none
    bool debug;
    int skill;  // the list's index; -1 for none
    std::string prefix;

    bool operator==(const Shown& other) const {
        return botCount == other.botCount && debug == other.debug && skill == other.skill && prefix == other.prefix;
    }
};
void PrintTo(const Shown& shown, std::ostream* out);

const Shown kDefaults{1, false, 2, "^2^btolv^n^7"};

Shown WhatTheDialogShows(const DialogProcess& dialog);

// Clicks the debug box; true once it has flipped.
bool ToggleDebug(const DialogProcess& dialog);
// Clicks into the prefix, goes to its end and types there; true once the box holds the longer text.
bool TypeAtEndOfPrefix(const DialogProcess& dialog, const std::string& text);
// Clicks "Ok"; true once the program has ended with exit code 0.
bool PressOkAndSeeItClose(DialogProcess& dialog);
// Alt+F4; true once the program has ended with exit code 0.
bool CloseWithAltF4(DialogProcess& dialog);
