// The program's folder: the cut that finds it on any path, and the real one whatever the current directory.
#include <gtest/gtest.h>

#include <windows.h>

#include "config/ConfigPath.h"
#include "config/ProgramDir.h"
#include "tests/support/Paths.h"

TEST(DirectoryOf, KeepsThePathUpToItsLastBackslashOrColon) {
    struct Case {
        const char* path;
        const char* directory;
    } cases[] = {
        {"C:\\Tools\\tool.exe", "C:\\Tools\\"},
        {"C:\\tool.exe", "C:\\"},
        {"C:tool.exe", "C:"},
        {"C:\\Games\\x:tool.exe", "C:\\Games\\x:"},
        {"C:\\Games\\sub/tool.exe", "C:\\Games\\"},
        {"C:/Games/tool.exe", "C:"},
        {"tools/tool.exe", ""},
        {"tool.exe", ""},
        {"", ""},
        {"C:\\Games\\", "C:\\Games\\"},
        {"\\\\server\\share\\tool.exe", "\\\\server\\share\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryOf(c.path), c.directory) << "path " << c.path;
}

TEST(ProgramDir, IsTheFolderOfTheProgramFileNotTheCurrentDirectory) {
    // This test's own exe is the program here.
    std::string expected = TestsBinDir() + "\\config\\";
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    for (const std::string& current : {std::string("C:\\"), std::string(previous)}) {
        SCOPED_TRACE(testing::Message() << "current directory " << current);
        ASSERT_TRUE(SetCurrentDirectoryA(current.c_str()));
        EXPECT_EQ(ProgramDir(), expected);
        EXPECT_EQ(ConfigPath(), ProgramDir() + "basezul\\tolv.bot\\config.bot");
    }
    SetCurrentDirectoryA(previous);
}
