// The folder that holds the program: every file the dialog uses is found from here.
#pragma once

#include <string>

// The program file's full path up to and including its last "\" or ":"; empty when it has neither.
std::string ProgramDir();

// The same cut, made on any path.
std::string DirectoryOf(const std::string& path);
