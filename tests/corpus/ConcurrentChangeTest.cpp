// Another program may change the file while the dialog is open: "Ok" writes the four keys into the file as it is now.
#include <gtest/gtest.h>

#include "tests/corpus/OpenEditSave.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

TEST(ConcurrentChange, ChangesMadeByAnotherProgramWhileTheDialogIsOpenSurviveOk) {
    GameFolder game;
    game.WriteConfig("; written by the game\r\n[main]\r\nnum_bots=4\r\nmap=q3dm17\r\n[bot]\r\nskill=2\r\n"
                     "nick_prefix=^1tolv\r\n[server]\r\nport=27960\r\nhostname=Frag Night\r\n"
                     "[maps]\r\nfirst=q3dm1\r\n");
    Settings shown = PlatformReads(game.Config());
    DialogProcess dialog(game);
    ASSERT_TRUE(ExpectShows(dialog, shown));
    Settings edited = EditLikeAUser(dialog, shown);

    // The test is that other program: it changes, adds and removes keys and sections beside the dialog's.
    const std::string config = game.Config();
    ASSERT_TRUE(WritePrivateProfileStringA("server", "port", "27961", config.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("server", "hostname", nullptr, config.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("main", "map", "q3tourney2", config.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("bot", "team", "blue", config.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("maps", nullptr, nullptr, config.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("rcon", "password", "secret", config.c_str()));
    BeforeOk before = RecordBeforeOk(config);

    if (!PressOkAndExpectExit(dialog)) return;
    ExpectSaved(config, before, edited);
    EXPECT_EQ(game.ReadValue("server", "port"), "27961");
    EXPECT_EQ(game.ReadValue("server", "hostname"), "<missing>");
    EXPECT_EQ(game.ReadValue("main", "map"), "q3tourney2");
    EXPECT_EQ(game.ReadValue("bot", "team"), "blue");
    EXPECT_EQ(game.ReadValue("maps", "first"), "<missing>");
    EXPECT_EQ(game.ReadValue("rcon", "password"), "secret");
}
