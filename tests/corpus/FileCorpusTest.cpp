// Whatever the settings file holds, the dialog opens with what the platform reads and "Ok" changes only its four keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/corpus/FileText.h"
#include "tests/corpus/Fixtures.h"
#include "tests/corpus/OpenEditSave.h"
#include "tests/support/GameFolder.h"

class SettingsFile : public ::testing::TestWithParam<Fixture> {};

TEST_P(SettingsFile, OpensShowsTheStoredValuesAndSavesOnlyItsKeys) {
    const Fixture& fixture = GetParam();
    GameFolder game;
    game.WriteConfig(fixture.bytes());
    ExpectRestKept(game.Config(), OpenEditSave(game.Exe(), game.Config(), game.Dir()));

    std::vector<std::string> lines = TextLines(game.ReadConfig());
    for (const std::string& kept : fixture.keptLines)
        EXPECT_NE(std::find(lines.begin(), lines.end(), kept), lines.end()) << "\"" << kept << "\" is gone";
}

INSTANTIATE_TEST_SUITE_P(Corpus, SettingsFile, ::testing::ValuesIn(FileCorpus()),
                         [](const ::testing::TestParamInfo<Fixture>& info) { return FixtureName(info.param); });
