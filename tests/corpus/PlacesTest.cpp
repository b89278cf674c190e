// Wherever the program sits and whatever the current directory, it finds its own settings file and keeps it whole.
#include <gtest/gtest.h>

#include <memory>

#include "tests/corpus/OpenEditSave.h"
#include "tests/support/DriveLetter.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

namespace {

const char kSettings[] =
    "; written by the game\r\n[main]\r\nnum_bots=4\r\nmap=q3dm17\r\n[bot]\r\nskill=2\r\nnick_prefix=^1tolv\r\n"
    "[server]\r\nport=27960\r\n";

// A folder name in the ANSI code page; empty when the code page lacks one of its letters.
std::string InAnsi(const wchar_t* name) {
    char ansi[64] = "";
    BOOL lost = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name, -1, ansi, sizeof ansi, nullptr, &lost);
    return length && !lost ? ansi : "";
}

enum class Start {
    InItsFolder,
    // From a drive letter that names the game folder, with C:\ current.
    AtADriveRoot,
    // With another game's folder current, whose settings file must stay as it was.
    WithAnotherFolderCurrent,
};

struct PlaceCase {
    const char* name;
    // Added to the test's name to make the game folder's.
    const wchar_t* folderSuffix;
    Start start;
};

const PlaceCase kPlaces[] = {
    {"DriveRoot", L"", Start::AtADriveRoot},
    {"FolderWithBlanks", L" My  Games Arena", Start::InItsFolder},
    {"FolderWithLettersOfTheAnsiCodePage", L" Spiele \u00DC", Start::InItsFolder},
    {"AnotherCurrentDirectory", L"", Start::WithAnotherFolderCurrent},
};

void PrintTo(const PlaceCase& place, std::ostream* out) { *out << place.name; }

class Places : public ::testing::TestWithParam<PlaceCase> {};

}  // namespace

TEST_P(Places, TheProgramFindsItsFileAndSavesOnlyItsKeys) {
    const PlaceCase& row = GetParam();
    const std::string suffix = InAnsi(row.folderSuffix);
    // The tests' Wine runs with code page 1252 (in the C and C.UTF-8 locales), which has these letters; under one
    // without them the case cannot be laid out, and that fails rather than passing unseen.
    ASSERT_FALSE(suffix.empty() && *row.folderSuffix)
        << "the ANSI code page " << GetACP() << " lacks the letters of the folder's name";
    GameFolder game(CurrentTestName() + suffix);
    std::string exe = game.Exe();
    std::string currentDir = game.Dir();
    std::unique_ptr<DriveLetter> drive;
    std::unique_ptr<GameFolder> other;
    switch (row.start) {
    case Start::InItsFolder:
        break;
    case Start::AtADriveRoot:
        drive = std::make_unique<DriveLetter>(game.Dir());
        ASSERT_TRUE(drive->Mapped());
        exe = drive->Root() + "tolv.bot.setup.exe";
        currentDir = "C:\\";
        break;
    case Start::WithAnotherFolderCurrent:
        other = std::make_unique<GameFolder>(CurrentTestName() + ".current");
        other->WriteConfig("[main]\r\nnum_bots=8\r\n[bot]\r\nskill=5\r\nnick_prefix=not mine\r\n");
        currentDir = other->Dir();
        break;
    }
    game.WriteConfig(kSettings);
    const std::string decoy = other ? other->ReadConfig() : "";

    ExpectRestKept(game.Config(), OpenEditSave(exe, game.Config(), currentDir));

    if (other) {
        EXPECT_EQ(other->ReadConfig(), decoy) << "the file in the current directory";
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, Places, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });
