// The shell's "open" for help files pointed at a recorder, so a test can read what the program asked the shell for.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class RecordedHelpViewer {
public:
    // Associates .chm with the recorder in the test's Wine prefix; a failure is recorded and Installed() is false.
    RecordedHelpViewer();
    RecordedHelpViewer(const RecordedHelpViewer&) = delete;
    RecordedHelpViewer& operator=(const RecordedHelpViewer&) = delete;
    // Gives the prefix back the association it had, and stops sending records anywhere.
    ~RecordedHelpViewer();

    bool Installed() const { return classes_ != nullptr; }

    // What the shell starts inherits the log's name from the program, which inherits it from the test.
    static void RecordInto(const std::wstring& log);

private:
    HKEY classes_ = nullptr;
    bool hadType_ = false;
    std::string previousType_;
};

// One line per start of the recorder, in UTF-8: the file it was given, a tab, the show command it got.
std::vector<std::string> Records(const std::wstring& log);
// Whether a recorder started by the shell is still running.
bool RecorderRunning();
