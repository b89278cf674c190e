// A user's whole round with the dialog: open it, see the stored values, edit, press Ok, and what the file keeps.
#pragma once

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/ProfileView.h"
#include "tests/support/Settings.h"
#include "tests/support/UserActions.h"

// What the dialog must show for this file, by the platform's own reads (an out-of-range number selects nothing).
Settings PlatformReads(const std::string& config);

// Expects the dialog to be responsive and to show these values; false when it is not worth going on.
bool ExpectShows(const DialogProcess& dialog, const Settings& shown);

// Clicks the check box, and types "!" at the end of the prefix when the box takes more text, as a user would.
// Returns what the dialog then holds; a failure is recorded when the dialog does not follow.
Settings EditLikeAUser(const DialogProcess& dialog, const Settings& shown);

// The file right before "Ok": what else it holds, and the stored text of keys a save must not touch.
struct BeforeOk {
    std::string bytes;
    ProfileView rest;
    std::string botText;
    std::string skillText;
    std::string nickText;
};
BeforeOk RecordBeforeOk(const std::string& config);

// Expects a fresh read to give back the saved values and everything else the file held, in its own encoding.
// A list without a selection keeps its stored text.
void ExpectSaved(const std::string& config, const BeforeOk& before, const Settings& saved);

// What a user's round with the dialog left for the check of the rest of the file.
struct UserRound {
    // False when nothing was saved: the dialog failed, or the prefix was too long for the platform's write.
    bool saved;
    BeforeOk before;
    Settings edited;
};

// All of it for a program file: start it, check, edit, press "Ok", check the four keys and the file's encoding.
// A prefix too long for the platform's write cannot be saved: then the user is told, closes the dialog, and the file
// stays as it was.
UserRound OpenEditSave(const std::string& exe, const std::string& config, const std::string& currentDir);

// After a saved round: every other section and key stays, with its value.
void ExpectRestKept(const std::string& config, const UserRound& round);
// After a saved round: the rest is as the platform leaves it when it writes the same values itself. A damaged file
// can hold text that no write keeps, whoever makes it (a section whose name starts with a zero byte loses its header).
void ExpectRestAsThePlatformWritesIt(const std::string& config, const UserRound& round);
