// Runs the dialog: shows it, dispatches messages until the main window is closed, tears it down.
#pragma once

#include "toolkit/Form.h"

namespace tk {

// On return the form is destroyed and the variable is null.
void Run(Form*& form);

}  // namespace tk
