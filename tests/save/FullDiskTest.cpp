// A full disk cannot cut the file: a save that does not fit says so and changes nothing, and saves once there is room.
#include <gtest/gtest.h>

#include <functional>

#include "tests/save/DialogValues.h"
#include "tests/save/PlatformSave.h"
#include "tests/save/AfterOk.h"
#include "tests/save/SaveOutcome.h"
#include "tests/save/SettingsFile.h"
#include "tests/save/SmallDisk.h"
#include "tests/support/DriveLetter.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

namespace {

// The file takes five pages with 24 bytes to spare; the longer prefix makes the platform's rewrite of it need six.
constexpr size_t kFileSize = 5 * 4096 - 24;
const std::string kLongerPrefix = "^1tolv^7[the longer nick prefix of the full disk]";

struct Room {
    const char* name;
    // The pages left free when "Ok" is pressed, from the pages of the file and of its saved form.
    std::function<size_t(size_t filePages, size_t savedPages)> freePages;
    bool saves;
};

const Room kRooms[] = {
    {"NoRoomAtAll", [](size_t, size_t) { return size_t(0); }, false},
    // tmpfs counts whole pages: one page is the least room there is, and less than the copy needs.
    {"RoomForPartOfTheCopy", [](size_t, size_t) { return size_t(1); }, false},
    {"RoomForTheCopyButNotForItsRewrite", [](size_t filePages, size_t) { return filePages; }, false},
    {"RoomForTheSave", [](size_t filePages, size_t savedPages) { return filePages + savedPages; }, true},
};

void SaveWithRoom(const Room& room, const SmallDisk& disk, const std::string& root, const std::string& original,
                  const DialogValues& edited, const ProfileView& saved, size_t savedPages) {
    GameFolder game(room.name, root);
    game.WriteConfig(original);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    ASSERT_EQ(ShownBy(dialog), StoredValues());
    ASSERT_TRUE(EnterValues(dialog, edited));
    size_t freePages = room.freePages(PagesOf(original.size()), savedPages);
    ASSERT_TRUE(disk.FillLeaving(freePages * 4096))
        << "the disk could not be filled to leave " << freePages << " pages; it has " << disk.FreeBytes() << " bytes";

    PostOkClick(dialog);
    if (!room.saves) {
        ASSERT_TRUE(ExpectSaveRefused(dialog, game, original, edited));
        // The user makes room and presses "Ok" again.
        disk.Unfill();
        PostOkClick(dialog);
    }
    ASSERT_TRUE(ExpectEndsAfterOk(dialog));
    Outcome outcome = OutcomeOf(game.Config(), original, {saved});
    EXPECT_EQ(outcome.save, 0) << (outcome.kept ? "the file is as before" : outcome.problem);
    EXPECT_EQ(FilesIn(game.PluginDir()), std::vector<std::string>{"config.bot"}) << "left beside the file";
}

}  // namespace

TEST(FullDisk, ASaveThatDoesNotFitChangesNothingAndSavesOnceThereIsRoom) {
    std::string original = SettingsFileOfSize(kFileSize);
    DialogValues edited = StoredValues();
    edited.botIndex = 6;
    edited.debug = true;
    edited.skillIndex = 3;
    edited.nick = kLongerPrefix;
    PlatformSaved saved = PlatformSave(original, edited);
    ASSERT_EQ(PagesOf(saved.size), PagesOf(original.size()) + 1)
        << "the saved file (" << saved.size << " bytes) must need one page more than the file";

    SmallDisk disk(ScratchDir() + "\\" + CurrentTestName() + ".disk", 256 * 1024);
    ASSERT_TRUE(disk.Mounted());
    DriveLetter drive(ScratchDir() + "\\" + CurrentTestName() + ".disk");
    ASSERT_TRUE(drive.Mapped());
    std::string root = drive.Root().substr(0, 2);
    for (const Room& room : kRooms) {
        SCOPED_TRACE(room.name);
        SaveWithRoom(room, disk, root, original, edited, saved.view, PagesOf(saved.size));
        disk.Unfill();
        RemoveTree(root + "\\" + room.name);
    }
}
