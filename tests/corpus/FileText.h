// A settings file's raw text as the platform decodes it: its encoding and its lines.
#pragma once

#include <string>
#include <vector>

enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

// By the byte-order mark, the way the profile functions tell.
Encoding EncodingOf(const std::string& bytes);
const char* EncodingName(Encoding encoding);

// The file's lines in the ANSI code page, trimmed of blanks; any of CR, LF or CR LF ends a line.
std::vector<std::string> TextLines(const std::string& bytes);

// How often a piece of 8-bit text occurs in the raw bytes.
int CountOf(const std::string& bytes, const std::string& piece);

// Where two texts begin to differ, short enough for a failure message; empty when they are equal.
std::string TextDifference(const std::string& want, const std::string& got);
