// The zip a player downloads: what it holds, and that the program in it runs and shows the dialog.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/release/Release.h"
#include "tests/release/ZipDirectory.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"

namespace {

// Where the copies of a DLL that a running process has loaded come from, in lower case.
std::vector<std::string> LoadedDllPaths(HANDLE process, const std::string& dll) {
    std::vector<std::string> paths;
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) return paths;
    for (DWORD i = 0; i < bytes / sizeof *modules && i < 512; ++i) {
        char path[MAX_PATH] = "";
        if (!GetModuleFileNameExA(process, modules[i], path, sizeof path)) continue;
        std::string lower = path;
        for (char& c : lower) c = char(tolower(uint8_t(c)));
        if (lower.size() > dll.size() && lower.compare(lower.size() - dll.size() - 1, std::string::npos, "\\" + dll) == 0)
            paths.push_back(lower);
    }
    return paths;
}

}  // namespace

TEST(Package, HoldsTheProgramItsReadmeAndItsLicenceAndNothingElse) {
    std::vector<ZipEntry> entries;
    ASSERT_TRUE(ReadZipDirectory(ReadFileBytes(PackageZip()), entries)) << PackageZip();
    std::vector<std::string> names;
    for (const ZipEntry& entry : entries) names.push_back(entry.name);
    std::sort(names.begin(), names.end());
    // Flat, so that unpacking into the game's folder puts the program next to basezul.
    EXPECT_EQ(names, (std::vector<std::string>{kPackagedLicence, kPackagedReadme, kPackagedExe}));
}

TEST(Package, ProgramInItIsTheOneTheBuildMade) {
    std::vector<ZipEntry> entries;
    ASSERT_TRUE(ReadZipDirectory(ReadFileBytes(PackageZip()), entries)) << PackageZip();
    auto exe = std::find_if(entries.begin(), entries.end(), [](const ZipEntry& e) { return e.name == kPackagedExe; });
    ASSERT_NE(exe, entries.end());
    std::string built = ReadFileBytes(ProgramExe());
    ASSERT_FALSE(built.empty()) << ProgramExe();
    EXPECT_EQ(exe->size, built.size());
    EXPECT_EQ(exe->crc, Crc32(built)) << "the zip holds another build of the program";
    EXPECT_EQ(ReadFileBytes(Unpacked(kPackagedExe)), built) << "the zip does not unpack to the program";
}

TEST(Package, TextsAreWindowsTextThatTellAPlayerWhatToDo) {
    const struct {
        const char* file;
        std::vector<std::string> phrases;
    } rows[] = {
        {kPackagedReadme,
         {std::string("tolv.bot.setup ") + TOLV_VERSION, "Put tolv.bot.setup.exe in the game's folder",
          "basezul\\tolv.bot\\config.bot",
          "When it cannot save", "basezul\\tolv.bot exists", kPackagedLicence}},
        {kPackagedLicence,
         {"MIT License", "Copyright (c) 2026 The tolv.bot.setup developers", "THE SOFTWARE IS PROVIDED \"AS IS\""}},
    };
    for (const auto& row : rows) {
        std::string text = ReadFileBytes(Unpacked(row.file));
        ASSERT_FALSE(text.empty()) << row.file;
        // Notepad before Windows 10 shows a text with bare line feeds as one long line.
        size_t lines = 0;
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1), ++lines)
            EXPECT_TRUE(at > 0 && text[at - 1] == '\r') << row.file << ": a bare line feed at byte " << at;
        EXPECT_GT(lines, 1u) << row.file;
        for (const std::string& phrase : row.phrases)
            EXPECT_NE(text.find(phrase), std::string::npos) << row.file << " does not say: " << phrase;
    }
}

TEST(Package, ProgramFromItShowsTheStoredSettingsWithCommonControls6AndCloses) {
    GameFolder game;
    ASSERT_TRUE(CopyFileA(Unpacked(kPackagedExe).c_str(), game.Exe().c_str(), FALSE)) << Unpacked(kPackagedExe);
    game.WriteConfig("[main]\r\nnum_bots=5\r\ndebug=1\r\n[bot]\r\nskill=4\r\nnick_prefix=unzipped\r\n");

    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    EXPECT_EQ(DialogProcess::CurrentIndex(dialog.Control(Ctl::BotCountCombo)), 5);
    EXPECT_EQ(DialogProcess::CurrentIndex(dialog.Control(Ctl::SkillCombo)), 3);
    EXPECT_EQ(DialogProcess::Text(dialog.Control(Ctl::NickPrefixEdit)), "unzipped");
    EXPECT_TRUE(DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)));
    // The program imports no comctl32; the manifest's dependency has Windows load version 6 from its side-by-side
    // folder for the controls (under Wine that copy's own version resource says 5.81).
    std::vector<std::string> comctl32 = LoadedDllPaths(dialog.Process(), "comctl32.dll");
#ifdef _WIN64
    const char side[] = "\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.";
#else
    const char side[] = "\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6.";
#endif
    EXPECT_TRUE(std::any_of(comctl32.begin(), comctl32.end(), [&](const std::string& path) {
        return path.find(side) != std::string::npos;
    })) << "common controls 6 not loaded; " << comctl32.size() << " other copies";

    PressKeys({VK_MENU, VK_F4});
    ASSERT_TRUE(dialog.WaitForExit());
    EXPECT_EQ(dialog.ExitCode(), 0u);
}
