// Loads the spy DLL into the running program and brings back what it found there.
#pragma once

#include "tests/dialog/SpyReport.h"
#include "tests/support/DialogProcess.h"

// False (with a test failure naming the step) when the DLL could not be loaded or run.
bool SpyOn(const DialogProcess& dialog, SpyReport* report);
