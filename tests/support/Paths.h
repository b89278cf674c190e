// Windows paths of what the build made, for tests that run under Wine.
#pragma once

#include <string>

// A Unix path as Wine's drive Z: shows it.
std::string WindowsPath(const std::string& unixPath);

std::string ProgramExe();
// A folder of the build's own where tests lay out their files; no test shares one of its subfolders.
std::string ScratchDir();
// The folder that holds the test exes and their helper programs.
std::string TestsBinDir();

// "Suite.Test" of the running test, fit for a folder name.
std::string CurrentTestName();

bool WriteFileBytes(const std::string& path, const std::string& bytes);
// Empty when the file does not exist.
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
// Removes a folder with everything in it; a missing folder is fine.
void RemoveTree(const std::string& path);
