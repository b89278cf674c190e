// Where the tests find the zip that the package target made, and the files it unpacked to.
#pragma once

#include <string>

#include "tests/support/Paths.h"

constexpr char kPackagedExe[] = "tolv.bot.setup.exe";
constexpr char kPackagedReadme[] = "tolv.bot.setup-readme.txt";
constexpr char kPackagedLicence[] = "tolv.bot.setup-license.txt";

inline std::string PackageZip() { return WindowsPath(TOLV_PACKAGE); }
inline std::string Unpacked(const std::string& name) { return WindowsPath(TOLV_UNPACKED) + "\\" + name; }
