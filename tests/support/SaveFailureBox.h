// The message a user gets when "Ok" cannot save, as found on the screen.
#pragma once

#include <string>

#include "tests/support/DialogProcess.h"

// Expects the program's box naming the settings file, owned by the dialog, and dismisses it with a click on its button.
void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config);
