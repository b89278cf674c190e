// Under Wine a test reaches the Unix side too: paths as Unix sees them, and Unix programs such as ln and mount.
#pragma once

#include <string>

// Whether the test runs under Wine, the only place with a Unix side.
bool UnderWine();
// The Unix path of a Windows path; empty outside Wine or when Wine cannot map it.
std::string UnixPathOf(const std::string& windowsPath);
// Starts a Unix program. Wine gives no process handle to wait on, so the caller waits for its effect instead.
void RunUnix(std::string commandLine);
