// Files at Unicode paths of any length, for folders that the ANSI helpers in Paths.h cannot name.
#pragma once

#include <string>

std::string Utf8(const std::wstring& text);
std::wstring FromUtf8(const std::string& text);

// The scratch folder of Paths.h, whatever the build's path is made of.
std::wstring WideScratchDir();

// A full path with "\\?\" in front, which the file functions take at any length.
std::wstring Extended(const std::wstring& path);

bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
// Empty when the file does not exist.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
// Makes the folder and every missing one above it.
bool CreateFolders(const std::wstring& path);
// Removes a folder with everything in it; a missing folder is fine.
void RemoveTree(const std::wstring& path);
