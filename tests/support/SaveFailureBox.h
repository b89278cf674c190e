// The message a user gets when "Ok" cannot save, as found on the screen.
#pragma once

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/ProgramBox.h"

// Expects the program's error box that names the settings file, owned by the dialog, which waits for it. Dismisses it
// and returns once the dialog takes input again.
void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::wstring& config,
                                    Answer answer = Answer::kClick);
void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config,
                                    Answer answer = Answer::kClick);
