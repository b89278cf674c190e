// A spare drive letter whose root is a given folder, the way a game installed on a drive of its own sits.
#pragma once

#include <windows.h>

#include <string>

class DriveLetter {
public:
    // Maps the first free letter from Y: downwards to the folder (a Windows path); see Mapped().
    explicit DriveLetter(const std::string& folder);
    DriveLetter(const DriveLetter&) = delete;
    DriveLetter& operator=(const DriveLetter&) = delete;
    // Takes the letter away again.
    ~DriveLetter();

    bool Mapped() const { return letter_ != 0 && GetFileAttributesA(Root().c_str()) != INVALID_FILE_ATTRIBUTES; }
    // "Q:\" for drive Q.
    std::string Root() const { return std::string(1, letter_) + ":\\"; }

private:
    char letter_ = 0;
    std::string link_;
};
