// What a folder holds, file by file, so a test can tell that nothing was written, left behind or taken away.
#pragma once

#include <map>
#include <string>
#include <vector>

// Every file and folder below a folder, by its path relative to it (a folder's ends with a backslash), with a file's
// bytes.
using Tree = std::map<std::wstring, std::string>;
Tree TreeOf(const std::wstring& dir);
Tree TreeOf(const std::string& dir);

// "" when the trees are the same, else what was added, removed or changed.
std::string TreeDifference(const Tree& before, const Tree& after);

// The names in a folder itself, sorted, a folder's with a backslash at its end.
std::vector<std::string> FilesIn(const std::string& dir);
