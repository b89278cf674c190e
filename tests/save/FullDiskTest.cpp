// A full disk cannot cut the file: a save that does not fit says so and changes nothing, and saves once there is room.
#include <gtest/gtest.h>

#include <functional>

#include "tests/save/AfterOk.h"
#include "tests/save/DialogValues.h"
#include "tests/save/SettingsFile.h"
#include "tests/save/SmallDisk.h"
#include "tests/support/DriveLetter.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
#include "tests/support/PlatformSave.h"

namespace {

// Takes five pages with 24 bytes to spare; the longer prefix makes the platform's rewrite of it need six.
std::string FiveFullPages() { return SettingsFileOfSize(5 * 4096 - 24); }

// A file with Unix line ends, most of it one long section at the end. The platform's rewrite turns each LF into
// CR LF: it grows by one byte a line, some 80 KB here, however little the values change.
std::string UnixLineEnds() {
    std::string text = "[main]\nnum_bots=4\ndebug=0\n[bot]\nskill=2\nnick_prefix=^1tolv\n[log]\n";
    for (int line = 0; line < 80000; ++line) text += "l" + std::to_string(line) + "=1\n";
    return text;
}

Settings EveryValueLonger() {
    Settings values{6, true, 3, "^1tolv^7[the longer nick prefix of the full disk]"};
    return values;
}

// Only the prefix changes: the platform leaves the file alone for a value it already holds, so only the last
// write rewrites it.
Settings OnlyTheNickLonger() {
    Settings values = StoredValues();
    values.nick += "^7[longer]";
    return values;
}

struct Room {
    const char* name;
    std::string (*file)();
    Settings (*edited)();
    // The pages left free when "Ok" is pressed, from the pages of the file and of its saved form.
    std::function<size_t(size_t filePages, size_t savedPages)> freePages;
    bool saves;
};

const Room kRooms[] = {
    {"NoRoomAtAll", FiveFullPages, EveryValueLonger, [](size_t, size_t) { return size_t(0); }, false},
    // tmpfs counts whole pages: one page is the least room there is, and less than the copy needs.
    {"RoomForPartOfTheCopy", FiveFullPages, EveryValueLonger, [](size_t, size_t) { return size_t(1); }, false},
    {"RoomForTheCopyButNotForItsRewrite", FiveFullPages, EveryValueLonger,
     [](size_t filePages, size_t) { return filePages; }, false},
    // Beyond the copy, 68 KiB: more than the new values and a cluster of up to 64 KiB need, less than the rewrite adds.
    {"RoomForTheCopyButNotForItsLineEndsRewritten", UnixLineEnds, OnlyTheNickLonger,
     [](size_t filePages, size_t) { return filePages + 17; }, false},
    {"RoomForTheSave", FiveFullPages, EveryValueLonger,
     [](size_t filePages, size_t savedPages) { return filePages + savedPages; }, true},
};

void SaveWithRoom(const Room& room, const SmallDisk& disk, const std::string& root) {
    std::string original = room.file();
    Settings edited = room.edited();
    PlatformSaved saved = PlatformSave(original, edited);
    size_t filePages = PagesOf(original.size()), savedPages = PagesOf(saved.bytes.size());
    size_t freePages = room.freePages(filePages, savedPages);
    if (!room.saves && freePages >= filePages) {
        // The rewrite of the copy truncates it first, so it has the copy's pages and what is left.
        ASSERT_GT(savedPages, freePages) << "the saved file (" << saved.bytes.size() << " bytes) fits";
    }

    GameFolder game(room.name, root);
    game.WriteConfig(original);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    ASSERT_EQ(WhatTheDialogShows(dialog), StoredValues());
    ASSERT_TRUE(EnterValues(dialog, edited));
    ASSERT_TRUE(disk.FillLeaving(freePages * 4096))
        << "the disk could not be filled to leave " << freePages << " pages; it has " << disk.FreeBytes() << " bytes";

    // Where the save does not fit, the user makes room and presses "Ok" again.
    std::function<void()> makeRoom;
    if (!room.saves) makeRoom = [&] { disk.Unfill(); };
    ASSERT_TRUE(SaveWithOk(dialog, game, original, edited, makeRoom));
    ExpectSavedAs(game, game.Config(), original, saved);
}

}  // namespace

TEST(FullDisk, ASaveThatDoesNotFitChangesNothingAndSavesOnceThereIsRoom) {
    std::string folder = ScratchDir() + "\\" + CurrentTestName() + ".disk";
    SmallDisk disk(folder, 4 << 20);
    ASSERT_TRUE(disk.Mounted());
    DriveLetter drive(folder);
    ASSERT_TRUE(drive.Mapped());
    std::string root = drive.Root().substr(0, 2);
    for (const Room& room : kRooms) {
        SCOPED_TRACE(room.name);
        SaveWithRoom(room, disk, root);
        disk.Unfill();
        RemoveTree(root + "\\" + room.name);
    }
}
