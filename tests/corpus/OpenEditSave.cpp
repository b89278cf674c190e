// The checks every corpus test shares, so each test says only what is special about its file or folder.
#include "tests/corpus/OpenEditSave.h"

#include <gtest/gtest.h>

#include "tests/corpus/FileText.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/PlatformSave.h"
#include "tests/support/SaveFailureBox.h"
#include "tests/support/Wait.h"

namespace {

int32_t PlatformInt(const std::string& config, const char* section, const char* key, int fallback) {
    return int32_t(GetPrivateProfileIntA(section, key, fallback, config.c_str()));
}

// A save of the 8 MB file rewrites it once per key: seconds here, and more on a loaded machine.
constexpr DWORD kSaveTime = 3 * kPatience;

}  // namespace

Settings PlatformReads(const std::string& config) {
    int32_t bots = PlatformInt(config, "main", "num_bots", 1);
    int32_t skill = PlatformInt(config, "bot", "skill", 3);
    return Settings{bots >= 0 && bots <= 8 ? bots : -1, PlatformInt(config, "main", "debug", 0) != 0,
                    skill >= 1 && skill <= 5 ? skill - 1 : -1,
                    StoredText(config, "bot", "nick_prefix", "^2^btolv^n^7")};
}

bool ExpectShows(const DialogProcess& dialog, const Settings& shown) {
    if (!dialog.Up()) return false;
    EXPECT_TRUE(dialog.WaitIdle()) << "the dialog does not answer";
    Settings now = WhatTheDialogShows(dialog);
    EXPECT_EQ(now, shown) << TextDifference(shown.nick, now.nick);
    return true;
}

Settings EditLikeAUser(const DialogProcess& dialog, const Settings& shown) {
    Settings edited = shown;
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    // A user cannot type past the box's limit; a longer stored prefix is kept as it is.
    if (shown.nick.size() < size_t(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0))) {
        EXPECT_TRUE(TypeAtEnd(dialog, edit, "!")) << "typing did not reach the prefix";
        edited.nick += "!";
    }
    EXPECT_TRUE(ToggleWithMouse(dialog, dialog.Control(Ctl::DebugCheck))) << "debug did not toggle";
    edited.debug = !shown.debug;
    return edited;
}

BeforeOk RecordBeforeOk(const std::string& config) {
    return BeforeOk{ReadFileBytes(config), WithoutTheDialogsKeys(ReadProfileView(config)),
                    StoredText(config, "main", "num_bots"), StoredText(config, "bot", "skill"),
                    StoredText(config, "bot", "nick_prefix")};
}

namespace {

ProfileView RestOf(const std::string& path, const BeforeOk& before) {
    return WithoutSectionsTheSaveMade(WithoutTheDialogsKeys(ReadProfileView(path)), before.rest);
}

// The file as it was before "Ok", with the same values written by the platform alone, in the program's order.
ProfileView RestAfterAPlatformSave(const BeforeOk& before, const Settings& saved) {
    return WithoutSectionsTheSaveMade(WithoutTheDialogsKeys(PlatformSave(before.bytes, saved).view), before.rest);
}

// The four keys and the encoding; the rest of the file is for the caller to judge.
void ExpectKeys(const std::string& config, const BeforeOk& before, const Settings& saved) {
    SCOPED_TRACE(testing::Message() << "saved: " << testing::PrintToString(saved));
    EXPECT_EQ(StoredText(config, "main", "num_bots"),
              saved.botIndex >= 0 ? std::to_string(saved.botIndex) : before.botText);
    EXPECT_EQ(StoredText(config, "main", "debug"), saved.debug ? "1" : "0");
    EXPECT_EQ(StoredText(config, "bot", "skill"),
              saved.skillIndex >= 0 ? std::to_string(saved.skillIndex + 1) : before.skillText);
    EXPECT_EQ(TextDifference(PlatformRoundTrip(saved.nick), StoredText(config, "bot", "nick_prefix")), "")
        << "nick prefix";

    std::string after = ReadFileBytes(config);
    Encoding encoding = EncodingOf(before.bytes);
    EXPECT_STREQ(EncodingName(EncodingOf(after)), EncodingName(encoding));
    if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
        // Keys written as 8-bit text into a UTF-16 file would be junk to every reader.
        for (const char* name : {"[main]", "[bot]", "num_bots", "debug", "skill", "nick_prefix"})
            EXPECT_EQ(CountOf(after, name), CountOf(before.bytes, name)) << name << " as 8-bit text";
    }
}

}  // namespace

void ExpectSaved(const std::string& config, const BeforeOk& before, const Settings& saved) {
    ExpectKeys(config, before, saved);
    EXPECT_EQ(ViewDifference(before.rest, RestOf(config, before)), "") << "the rest of the file";
}

UserRound OpenEditSave(const std::string& exe, const std::string& config, const std::string& currentDir) {
    Settings shown = PlatformReads(config);
    DialogProcess dialog(exe, currentDir);
    if (!ExpectShows(dialog, shown)) return UserRound{false, {}, shown};
    Settings edited = EditLikeAUser(dialog, shown);
    BeforeOk before = RecordBeforeOk(config);
    if (edited.nick.size() <= kLongestWritableValue) {
        bool saved = PressOkAndExpectExit(dialog, kSaveTime);
        if (saved) ExpectKeys(config, before, edited);
        return UserRound{saved, before, edited};
    }
    ClickWindow(dialog.Control(Ctl::OkButton));
    ExpectToldSaveFailedAndDismiss(dialog, config);
    EXPECT_TRUE(ExpectShows(dialog, edited)) << "the edits are gone";
    CloseWithAltF4(dialog);
    // A save is all or nothing: the keys that could be written were not either.
    EXPECT_EQ(ReadFileBytes(config), before.bytes) << "a failed save changed the file";
    return UserRound{false, before, edited};
}

void ExpectRestKept(const std::string& config, const UserRound& round) {
    if (!round.saved) return;
    EXPECT_EQ(ViewDifference(round.before.rest, RestOf(config, round.before)), "") << "the rest of the file";
}

void ExpectRestAsThePlatformWritesIt(const std::string& config, const UserRound& round) {
    if (!round.saved) return;
    EXPECT_EQ(ViewDifference(RestAfterAPlatformSave(round.before, round.edited), RestOf(config, round.before)), "")
        << "the rest of the file";
}
