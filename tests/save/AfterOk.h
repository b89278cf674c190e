// What follows a click on "Ok", as the user sees it: the program ends, or it says the save failed and stays.
#pragma once

#include <string>

#include "tests/save/DialogValues.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Wait.h"

// The program ends with exit code 0 and no box on the way. False when it does not end.
bool ExpectEndsAfterOk(DialogProcess& dialog, DWORD timeoutMs = kPatience);

// The box that names the file, dismissed; the file byte for byte as before and nothing beside it; the dialog still
// open with the values the user entered. False when the dialog is gone.
bool ExpectSaveRefused(const DialogProcess& dialog, const GameFolder& game, const std::string& before,
                       const DialogValues& edited);
