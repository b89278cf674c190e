// The four settings as a dialog holds them, and a user's keys and clicks that change them, sent to one dialog.
#pragma once

#include <string>

#include "tests/support/DialogProcess.h"

struct DialogValues {
    int botIndex;
    bool debug;
    int skillIndex;
    std::string nick;

    bool operator==(const DialogValues& other) const {
        return botIndex == other.botIndex && debug == other.debug && skillIndex == other.skillIndex &&
               nick == other.nick;
    }
};

std::string Describe(const DialogValues& values);

// What the dialog shows, read from outside.
DialogValues ShownBy(const DialogProcess& dialog);

// Other values in every control: each list two items on, the check box flipped, text added to the prefix.
DialogValues EveryValueChanged(const DialogValues& shown, const std::string& addedToPrefix);

// Brings the dialog from what it shows to these values with the messages a user's keys and clicks send to each
// control (arrow keys in the lists, a click on the check box, typing at the end of the prefix), posted to that
// dialog's controls so that several dialogs can be set up side by side. The prefix can only grow. False when the
// dialog does not follow.
bool EnterValues(const DialogProcess& dialog, const DialogValues& values);

// Posts a click on "Ok" and returns at once, so that dialogs can be clicked a chosen number of milliseconds apart.
void PostOkClick(const DialogProcess& dialog);
