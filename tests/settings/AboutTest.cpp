// "About" hands the help file next to the program to the shell, each time, and leaves dialog and settings alone.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/Settings.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

namespace {

const char kFixture[] = "[main]\r\nnum_bots = 5\r\ndebug=1\r\n[bot]\r\nskill=2\r\nnick_prefix=abc\r\n";
const char kProgId[] = "tolv.tests.ShellRecorder";

// Wine's shell takes the type of .chm from HKLM and does not see one in the user's own classes, so the test's
// prefix gets its association there, and gets the one it had back afterwards.
class About : public testing::Test {
protected:
    void SetUp() override {
        HKEY classes = nullptr;
        ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes", 0, KEY_ALL_ACCESS, &classes), ERROR_SUCCESS);
        classes_ = classes;
        char previous[256] = "";
        LONG size = sizeof previous;
        hadType_ = RegQueryValueA(classes_, ".chm", previous, &size) == ERROR_SUCCESS;
        previousType_ = previous;
        std::string command = "\"" + WindowsPath(TOLV_SHELL_RECORDER) + "\" \"%1\"";
        std::string key = std::string(kProgId) + "\\shell\\open\\command";
        ASSERT_EQ(RegSetValueA(classes_, key.c_str(), REG_SZ, command.c_str(), DWORD(command.size())), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueA(classes_, ".chm", REG_SZ, kProgId, DWORD(sizeof kProgId - 1)), ERROR_SUCCESS);
    }

    void TearDown() override {
        SetEnvironmentVariableA("TOLV_SHELL_LOG", nullptr);
        if (!classes_) return;
        if (hadType_)
            RegSetValueA(classes_, ".chm", REG_SZ, previousType_.c_str(), DWORD(previousType_.size()));
        else
            RegDeleteKeyA(classes_, ".chm");
        for (const char* key : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
            RegDeleteKeyA(classes_, (kProgId + std::string(key)).c_str());
        RegCloseKey(classes_);
    }

    // What the shell starts inherits this from the program, which inherits it from the test.
    std::string RecordInto(const GameFolder& game) {
        std::string log = game.Dir() + "shell.log";
        SetEnvironmentVariableA("TOLV_SHELL_LOG", log.c_str());
        return log;
    }

private:
    HKEY classes_ = nullptr;
    bool hadType_ = false;
    std::string previousType_;
};

// One line per start of the recorder: the file it was given and the show command it got.
std::vector<std::string> Records(const std::string& log) {
    std::vector<std::string> lines;
    std::string bytes = ReadFileBytes(log);
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

bool RecorderRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
        running = lstrcmpiA(entry.szExeFile, "shell_recorder.exe") == 0;
    CloseHandle(snapshot);
    return running;
}

// A current directory with a help file of its own, which a path that depends on it would open instead.
std::string DecoyDirectory() {
    GameFolder decoy(CurrentTestName() + ".elsewhere");
    WriteFileBytes(decoy.PluginDir() + "\\readme.chm", "decoy");
    return decoy.Dir();
}

}  // namespace

TEST_F(About, EachPressAsksTheShellToOpenTheHelpFileNextToTheProgram) {
    GameFolder game;
    game.WriteConfig(kFixture);
    ASSERT_TRUE(WriteFileBytes(game.PluginDir() + "\\readme.chm", "help"));
    std::string log = RecordInto(game);
    DialogProcess dialog(game, DecoyDirectory());
    ASSERT_TRUE(dialog.Up());
    const Settings shown = WhatTheDialogShows(dialog);
    HWND about = dialog.Control(Ctl::AboutButton);
    ASSERT_EQ(dialog.Focus(), about);

    // Two clicks on different spots, so that they make no double-click.
    struct Press {
        const char* how;
        void (*press)(HWND about);
    } presses[] = {
        {"Space", [](HWND) { PressKey(VK_SPACE); }},
        {"click", [](HWND button) { ClickWindow(button); }},
        {"Space again", [](HWND) { PressKey(VK_SPACE); }},
        {"click again", [](HWND button) { ClickWindow(button, 8, 6); }},
    };
    const std::string expected = game.PluginDir() + "\\readme.chm\t9";
    for (size_t n = 0; n < std::size(presses); ++n) {
        SCOPED_TRACE(presses[n].how);
        presses[n].press(about);
        ASSERT_TRUE(WaitUntil([&] { return Records(log).size() > n; })) << "the shell opened nothing";
        ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == about; })) << "About lost the focus";
        EXPECT_EQ(Records(log).back(), expected);
    }
    ASSERT_TRUE(WaitUntil([] { return !RecorderRunning(); }));
    EXPECT_EQ(Records(log).size(), std::size(presses));
    EXPECT_TRUE(dialog.Running());
    EXPECT_TRUE(OtherWindows(dialog).empty());
    EXPECT_EQ(WhatTheDialogShows(dialog), shown);
    EXPECT_EQ(game.ReadConfig(), kFixture);
}

TEST_F(About, WithTheHelpFileMissingNothingOpensNothingShowsAndNothingChanges) {
    GameFolder game;
    game.WriteConfig(kFixture);
    std::string log = RecordInto(game);
    DialogProcess dialog(game, DecoyDirectory());
    ASSERT_TRUE(dialog.Up());
    const Settings shown = WhatTheDialogShows(dialog);
    ASSERT_EQ(shown, (Settings{5, true, 1, "abc"}));
    const std::set<HWND> windows = VisibleTopLevelWindows();

    ClickWindow(dialog.Control(Ctl::AboutButton));
    // A later click that lands only once the first was handled: a box of the program's would have taken it.
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    ClickWindow(edit);
    ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == edit; })) << "the dialog no longer takes clicks";
    ASSERT_TRUE(WaitUntil([] { return !RecorderRunning(); }));

    EXPECT_EQ(Records(log), std::vector<std::string>{}) << "the shell was asked for a help file elsewhere";
    EXPECT_TRUE(OtherWindows(dialog).empty()) << "a window of the program's own appeared";
    EXPECT_EQ(VisibleTopLevelWindows(), windows) << "a window appeared";
    EXPECT_TRUE(dialog.Running());
    EXPECT_EQ(WhatTheDialogShows(dialog), shown);
    EXPECT_EQ(game.ReadConfig(), kFixture);
    PressKeys({VK_MENU, VK_F4});
    ASSERT_TRUE(dialog.WaitForExit());
    EXPECT_EQ(dialog.ExitCode(), 0u);
    EXPECT_EQ(game.ReadConfig(), kFixture) << "closing after About wrote to the file";
}
