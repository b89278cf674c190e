// The dialog's texts are ANSI, as the plug-in reads them; paths are Unicode, so that any folder name is exact.
#pragma once

#include <string>

// With the ANSI code page, as the platform's own ANSI functions convert.
std::wstring Widen(const std::string& text);
std::string Narrow(const std::wstring& text);
