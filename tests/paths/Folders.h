// The folders of one case: the game's, and the decoys a program that lost or bent its path would use instead.
#pragma once

#include <map>
#include <string>
#include <vector>

// <scratch>\<test>, made anew and empty; no path separator at its end.
std::wstring CaseRoot();

// A folder below root whose path is exactly that many characters long, made of ASCII names.
std::wstring DeepFolder(const std::wstring& root, size_t length);

// The game's folder below root, without its last backslash, for a settings file's path of that many characters.
std::wstring DeepGameFolder(const std::wstring& root, size_t settingsPathLength);

// root and every folder between it and dir, dir itself excluded.
std::vector<std::wstring> FoldersAbove(const std::wstring& dir, const std::wstring& root);

// A plug-in folder in dir, with a settings file and a help file that are not the game's.
void PlantDecoy(const std::wstring& dir);

// Every file and folder below dir, by its path relative to dir, with a file's bytes.
using Tree = std::map<std::wstring, std::string>;
Tree TreeOf(const std::wstring& dir);
// "" when the trees are the same, else what was added, removed or changed.
std::string TreeDifference(const Tree& before, const Tree& after);
