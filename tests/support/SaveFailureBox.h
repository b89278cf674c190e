// The message a user gets when "Ok" cannot save, as found on the screen.
#pragma once

#include <string>

#include "tests/support/DialogProcess.h"

// How the user answers the box.
enum class Dismiss { kClickOk, kEnter };

// Expects the program's box that names the settings file: owned by the dialog, which waits for it, captioned like
// the dialog, with the error icon and one "OK" button. Dismisses it and returns once the dialog takes input again.
void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config,
                                    Dismiss dismiss = Dismiss::kClickOk);
