// Wherever the program sits and whatever the current directory, it finds its own settings file and keeps it whole.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/corpus/OpenEditSave.h"
#include "tests/support/DriveLetter.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

namespace {

const char kSettings[] =
    "; written by the game\r\n[main]\r\nnum_bots=4\r\nmap=q3dm17\r\n[bot]\r\nskill=2\r\nnick_prefix=^1tolv\r\n"
    "[server]\r\nport=27960\r\n";

// "Spiele Ü" in the ANSI code page; empty when the code page has no such letter.
std::string GermanFolderName() {
    char name[32] = "";
    BOOL lost = FALSE;
    int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, L"Spiele \u00DC", -1, name, sizeof name, nullptr,
                                     &lost);
    return length && !lost ? name : "";
}

// One way to install and start the program; what it needs stays alive until the end of the test.
struct Place {
    std::unique_ptr<GameFolder> game;
    std::unique_ptr<DriveLetter> drive;
    std::string exe;
    std::string currentDir;
    // A settings file where a program that used the current directory would look; it must stay as it was.
    std::string decoy;
};

struct PlaceCase {
    const char* name;
    std::function<Place()> make;
};

Place InFolder(const std::string& folderName) {
    Place place;
    place.game = std::make_unique<GameFolder>(folderName);
    place.exe = place.game->Exe();
    place.currentDir = place.game->Dir();
    return place;
}

const PlaceCase kPlaces[] = {
    {"DriveRoot",
     [] {
         Place place = InFolder(CurrentTestName());
         place.drive = std::make_unique<DriveLetter>(place.game->Dir());
         place.exe = place.drive->Root() + "tolv.bot.setup.exe";
         place.currentDir = "C:\\";
         return place;
     }},
    {"FolderWithBlanks", [] { return InFolder(CurrentTestName() + " My  Games Arena"); }},
    {"FolderWithLettersOfTheAnsiCodePage", [] { return InFolder(CurrentTestName() + " " + GermanFolderName()); }},
    {"AnotherCurrentDirectory",
     [] {
         Place place = InFolder(CurrentTestName());
         GameFolder other(CurrentTestName() + ".current");
         other.WriteConfig("[main]\r\nnum_bots=8\r\n[bot]\r\nskill=5\r\nnick_prefix=not mine\r\n");
         place.currentDir = other.Dir();
         place.decoy = other.Config();
         return place;
     }},
};

void PrintTo(const PlaceCase& place, std::ostream* out) { *out << place.name; }

class Places : public ::testing::TestWithParam<PlaceCase> {};

}  // namespace

TEST_P(Places, TheProgramFindsItsFileAndSavesOnlyItsKeys) {
    if (std::string(GetParam().name) == "FolderWithLettersOfTheAnsiCodePage" && GermanFolderName().empty())
        GTEST_SKIP() << "the ANSI code page " << GetACP() << " has no U+00DC";
    Place place = GetParam().make();
    if (place.drive) {
        ASSERT_TRUE(place.drive->Mapped());
    }
    place.game->WriteConfig(kSettings);
    std::string decoy = place.decoy.empty() ? "" : ReadFileBytes(place.decoy);

    OpenEditSave(place.exe, place.game->Config(), place.currentDir);

    if (!place.decoy.empty()) {
        EXPECT_EQ(ReadFileBytes(place.decoy), decoy) << "the file in the current directory";
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, Places, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<PlaceCase>& info) { return info.param.name; });
