// Settings files of a chosen size: the dialog's keys among many sections of another program's, in the platform's
// own layout, so that a save changes no line but the dialog's.
#pragma once

#include <string>

#include "tests/save/DialogValues.h"

// What the dialog shows for every file made here: 4 bots, debug off, "Hurt me plenty", "^1tolv".
DialogValues StoredValues();

// Exactly that many bytes (at least a kilobyte); "[main]" comes first and "[bot]" half way through.
std::string SettingsFileOfSize(size_t bytes);

// The pages of 4 KiB that a file of that size takes on a tmpfs.
inline size_t PagesOf(size_t bytes) { return (bytes + 4095) / 4096; }
