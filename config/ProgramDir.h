// The folder that holds the program: every file the dialog uses is found from here.
#pragma once

#include <string>

// The program file's full path up to and including its last "\" or ":"; empty when it has neither. Taken whole and in
// Unicode, so that no folder name is approximated or cut.
std::wstring ProgramDir();

// The same cut, made on any path.
std::wstring DirectoryOf(const std::wstring& path);
