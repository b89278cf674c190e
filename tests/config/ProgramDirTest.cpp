// The program's folder: the cut that finds it on any path, and the real one whatever the current directory.
#include <gtest/gtest.h>

#include <windows.h>

#include "config/ConfigPath.h"
#include "config/ProgramDir.h"
#include "config/Text.h"
#include "tests/support/Paths.h"

TEST(DirectoryOf, KeepsThePathUpToItsLastBackslashOrColon) {
    struct Case {
        const wchar_t* path;
        const wchar_t* directory;
    } cases[] = {
        {L"C:\\Tools\\tool.exe", L"C:\\Tools\\"},
        {L"C:\\tool.exe", L"C:\\"},
        {L"C:tool.exe", L"C:"},
        {L"C:\\Games\\x:tool.exe", L"C:\\Games\\x:"},
        {L"C:\\Games\\sub/tool.exe", L"C:\\Games\\"},
        {L"C:/Games/tool.exe", L"C:"},
        {L"tools/tool.exe", L""},
        {L"tool.exe", L""},
        {L"", L""},
        {L"C:\\Games\\", L"C:\\Games\\"},
        {L"\\\\server\\share\\tool.exe", L"\\\\server\\share\\"},
        // Each half of a surrogate pair is no separator, nor is a letter whose low byte is that of "\\".
        {L"C:\\\U0001F3AE\\tool.exe", L"C:\\\U0001F3AE\\"},
        {L"C:\\Spiele\\\u015Ctool.exe", L"C:\\Spiele\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryOf(c.path), c.directory) << "path " << Narrow(c.path);
}

TEST(ProgramDir, IsTheFolderOfTheProgramFileNotTheCurrentDirectory) {
    // This test's own exe is the program here.
    std::wstring expected = Widen(TestsBinDir() + "\\config\\");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    for (const std::string& current : {std::string("C:\\"), std::string(previous)}) {
        SCOPED_TRACE(testing::Message() << "current directory " << current);
        ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
        EXPECT_EQ(ProgramDir(), expected);
        EXPECT_EQ(ConfigPath(), ProgramDir() + L"basezul\\tolv.bot\\config.bot");
    }
    SetCurrentDirectoryA(previous);
}
