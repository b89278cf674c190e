// A user's whole round with the dialog: open it, see the stored values, edit, press Ok, and what the file keeps.
#pragma once

#include <string>

#include "tests/support/ProfileView.h"
#include "tests/support/DialogProcess.h"

// The four settings as the dialog holds them; an index of -1 is a list without a selection.
struct Settings {
    int botIndex;
    bool debug;
    int skillIndex;
    std::string nick;
};

// What the dialog must show for this file, by the platform's own reads (an out-of-range number selects nothing).
Settings PlatformReads(const std::string& config);

// The control's text, however long; cross-process WM_GETTEXT into a buffer of its own size.
std::string WholeText(HWND window);

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

// Clicks "Ok" and expects the program to end with exit code 0.
bool PressOkAndExpectExit(DialogProcess& dialog);

// Expects a fresh read to give back the saved values and everything else the file held, in its own encoding.
// A list without a selection keeps its stored text.
void ExpectSaved(const std::string& config, const BeforeOk& before, const Settings& saved);

// What a save may do to the rest of the file.
enum class Rest {
    // Every other section and key stays, with its value.
    Kept,
    // As the platform leaves it when it writes the same values itself: a damaged file can hold text that no
    // write keeps, whoever makes it (a section whose name starts with a zero byte loses its header).
    AsThePlatformWritesIt,
};

// All of it for a program file: start it, check, edit, press "Ok", check the file. A prefix too long for the
// platform's write cannot be saved: then the user is told, closes the dialog, and the file stays as it was.
void OpenEditSave(const std::string& exe, const std::string& config, const std::string& currentDir,
                  Rest rest = Rest::Kept);
