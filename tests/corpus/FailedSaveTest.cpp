// When a save fails, the user is told, the dialog keeps the edits, and once the cause is gone "Ok" saves them.
#include <gtest/gtest.h>

#include <functional>

#include "tests/corpus/OpenEditSave.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/SaveFailureBox.h"
#include "tests/support/Wait.h"

namespace {

std::string LongPrefix() {
    std::string prefix;
    for (size_t i = 0; prefix.size() < 100000; ++i) prefix += char('a' + i % 26);
    return prefix;
}

// The causes a user can meet, each with what lets the next "Ok" succeed.
struct Obstacle {
    const char* name;
    // Sets the cause up; runs before the program starts (false) or right before "Ok" (true).
    bool rightBeforeOk;
    std::function<void(const GameFolder&, HANDLE&)> setUp;
    // What a user does about it: outside the program, or in the dialog.
    std::function<void(const GameFolder&, HANDLE&, const DialogProcess&, Settings&)> remove;
};

const Obstacle kObstacles[] = {
    {"PluginFolderMissing", false, [](const GameFolder& game, HANDLE&) { game.RemovePluginDir(); },
     [](const GameFolder& game, HANDLE&, const DialogProcess&, Settings&) {
         EXPECT_FALSE(FileExists(game.PluginDir())) << "the failed save made the folder";
         CreateDirectoryA(game.PluginDir().c_str(), nullptr);
     }},
    {"FileHeldOpenWithoutSharing", true,
     [](const GameFolder& game, HANDLE& held) {
         held = CreateFileA(game.Config().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
         ASSERT_NE(held, INVALID_HANDLE_VALUE) << "cannot hold " << game.Config();
     },
     [](const GameFolder&, HANDLE& held, const DialogProcess&, Settings&) {
         CloseHandle(held);
         held = INVALID_HANDLE_VALUE;
     }},
    // The platform's ANSI write cannot carry a value this long, so the prefix cannot be saved until it is shorter.
    {"PrefixTooLongToWrite", false,
     [](const GameFolder& game, HANDLE&) {
         game.WriteConfig("[main]\r\nnum_bots=2\r\n[bot]\r\nskill=4\r\nnick_prefix=" + LongPrefix() +
                          "\r\n[server]\r\nport=27960\r\n");
     },
     [](const GameFolder& game, HANDLE&, const DialogProcess& dialog, Settings& edited) {
         EXPECT_EQ(StoredText(game.Config(), "bot", "nick_prefix").size(), LongPrefix().size())
             << "the stored prefix lost text";
         HWND edit = dialog.Control(Ctl::NickPrefixEdit);
         ClickWindow(edit);
         ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == edit; }));
         PressKey(VK_HOME);
         PressKeys({VK_SHIFT, VK_END});
         TypeText("short");
         edited.nick = "short";
         ASSERT_TRUE(WaitUntil([&] { return WholeText(edit) == edited.nick; })) << "typing over the prefix";
     }},
};

void PrintTo(const Obstacle& obstacle, std::ostream* out) { *out << obstacle.name; }

class FailedSave : public ::testing::TestWithParam<Obstacle> {};

}  // namespace

TEST_P(FailedSave, TellsTheUserKeepsTheEditsAndSavesOnceTheCauseIsGone) {
    const Obstacle& obstacle = GetParam();
    GameFolder game;
    game.WriteConfig("; written by the game\r\n[main]\r\nnum_bots=4\r\nmap=q3dm17\r\n[bot]\r\nskill=2\r\n"
                     "nick_prefix=^1tolv\r\n[server]\r\nport=27960\r\n");
    HANDLE held = INVALID_HANDLE_VALUE;
    if (!obstacle.rightBeforeOk) obstacle.setUp(game, held);

    Settings shown = PlatformReads(game.Config());
    DialogProcess dialog(game);
    ASSERT_TRUE(ExpectShows(dialog, shown));
    Settings edited = EditLikeAUser(dialog, shown);
    BeforeOk before = RecordBeforeOk(game.Config());
    std::string bytes = game.ReadConfig();
    if (obstacle.rightBeforeOk) obstacle.setUp(game, held);
    ASSERT_FALSE(HasFatalFailure());

    ClickWindow(dialog.Control(Ctl::OkButton));
    ExpectToldSaveFailedAndDismiss(dialog, game.Config());
    ASSERT_TRUE(dialog.Running()) << "the dialog closed after a failed save";
    EXPECT_TRUE(ExpectShows(dialog, edited)) << "the edits are gone";
    if (held != INVALID_HANDLE_VALUE) {
        std::string now(bytes.size() + 1, '\0');
        DWORD read = 0;
        SetFilePointer(held, 0, nullptr, FILE_BEGIN);
        ReadFile(held, &now[0], DWORD(now.size()), &read, nullptr);
        now.resize(read);
        EXPECT_EQ(now, bytes) << "the held file changed";
    }

    obstacle.remove(game, held, dialog, edited);
    ASSERT_FALSE(HasFatalFailure());
    if (PressOkAndExpectExit(dialog)) ExpectSaved(game.Config(), before, edited);
}

INSTANTIATE_TEST_SUITE_P(Corpus, FailedSave, ::testing::ValuesIn(kObstacles),
                         [](const ::testing::TestParamInfo<Obstacle>& info) { return info.param.name; });
