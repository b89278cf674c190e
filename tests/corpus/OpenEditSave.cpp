// The checks every corpus test shares, so each test says only what is special about its file or folder.
#include "tests/corpus/OpenEditSave.h"

#include <gtest/gtest.h>

#include "tests/corpus/FileText.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/SaveFailureBox.h"
#include "tests/support/Wait.h"

namespace {

int32_t PlatformInt(const std::string& config, const char* section, const char* key, int fallback) {
    return int32_t(GetPrivateProfileIntA(section, key, fallback, config.c_str()));
}

std::string Describe(const Settings& s) {
    return "bots index " + std::to_string(s.botIndex) + ", debug " + (s.debug ? "on" : "off") + ", skill index " +
           std::to_string(s.skillIndex) + ", prefix of " + std::to_string(s.nick.size()) + " characters";
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

std::string WholeText(HWND window) {
    std::string text(size_t(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(size_t(SendMessageA(window, WM_GETTEXT, text.size(), LPARAM(&text[0]))));
    return text;
}

bool ExpectShows(const DialogProcess& dialog, const Settings& shown) {
    if (!dialog.Up()) return false;
    EXPECT_TRUE(dialog.WaitIdle()) << "the dialog does not answer";
    EXPECT_EQ(DialogProcess::CurrentIndex(dialog.Control(Ctl::BotCountCombo)), shown.botIndex) << "number of bots";
    EXPECT_EQ(DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)), shown.debug) << "debug";
    EXPECT_EQ(DialogProcess::CurrentIndex(dialog.Control(Ctl::SkillCombo)), shown.skillIndex) << "skill";
    EXPECT_EQ(TextDifference(shown.nick, WholeText(dialog.Control(Ctl::NickPrefixEdit))), "") << "nick prefix";
    return true;
}

Settings EditLikeAUser(const DialogProcess& dialog, const Settings& shown) {
    Settings edited = shown;
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    // A user cannot type past the box's limit; a longer stored prefix is kept as it is.
    if (shown.nick.size() < size_t(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0))) {
        ClickWindow(edit);
        EXPECT_TRUE(WaitUntil([&] { return dialog.Focus() == edit; })) << "the click did not focus the prefix";
        PressKey(VK_END);
        TypeText("!");
        edited.nick += "!";
        EXPECT_TRUE(WaitUntil([&] { return WholeText(edit) == edited.nick; })) << "typing did not reach the prefix";
    }
    HWND check = dialog.Control(Ctl::DebugCheck);
    ClickWindow(check);
    edited.debug = !shown.debug;
    EXPECT_TRUE(WaitUntil([&] { return DialogProcess::Checked(check) == edited.debug; })) << "debug did not toggle";
    return edited;
}

BeforeOk RecordBeforeOk(const std::string& config) {
    return BeforeOk{ReadFileBytes(config), WithoutTheDialogsKeys(ReadProfileView(config)),
                    StoredText(config, "main", "num_bots"), StoredText(config, "bot", "skill"),
                    StoredText(config, "bot", "nick_prefix")};
}

bool PressOkAndExpectExit(DialogProcess& dialog) {
    ClickWindow(dialog.Control(Ctl::OkButton));
    bool ended = dialog.WaitForExit(kSaveTime);
    EXPECT_TRUE(ended) << "the program did not end after Ok";
    if (ended) {
        EXPECT_EQ(dialog.ExitCode(), 0u);
    }
    return ended;
}

namespace {

ProfileView RestOf(const std::string& path, const BeforeOk& before) {
    return WithoutSectionsTheSaveMade(WithoutTheDialogsKeys(ReadProfileView(path)), before.rest);
}

// The file as it was before "Ok", with the same values written by the platform alone, in the program's order.
ProfileView RestAfterAPlatformSave(const BeforeOk& before, const Settings& saved) {
    std::string copy = ScratchDir() + "\\" + CurrentTestName() + ".platform-save.bot";
    WriteFileBytes(copy, before.bytes);
    if (saved.botIndex >= 0)
        WritePrivateProfileStringA("main", "num_bots", std::to_string(saved.botIndex).c_str(), copy.c_str());
    WritePrivateProfileStringA("main", "debug", saved.debug ? "1" : "0", copy.c_str());
    if (saved.skillIndex >= 0)
        WritePrivateProfileStringA("bot", "skill", std::to_string(saved.skillIndex + 1).c_str(), copy.c_str());
    WritePrivateProfileStringA("bot", "nick_prefix", saved.nick.c_str(), copy.c_str());
    return RestOf(copy, before);
}

void ExpectFile(const std::string& config, const BeforeOk& before, const Settings& saved, const std::string& nick,
                Rest restRule) {
    SCOPED_TRACE("saved: " + Describe(saved));
    EXPECT_EQ(StoredText(config, "main", "num_bots"),
              saved.botIndex >= 0 ? std::to_string(saved.botIndex) : before.botText);
    EXPECT_EQ(StoredText(config, "main", "debug"), saved.debug ? "1" : "0");
    EXPECT_EQ(StoredText(config, "bot", "skill"),
              saved.skillIndex >= 0 ? std::to_string(saved.skillIndex + 1) : before.skillText);
    EXPECT_EQ(TextDifference(nick, StoredText(config, "bot", "nick_prefix")), "") << "nick prefix";

    ProfileView want = restRule == Rest::Kept ? before.rest : RestAfterAPlatformSave(before, saved);
    EXPECT_EQ(ViewDifference(want, RestOf(config, before)), "") << "the rest of the file";

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
    ExpectFile(config, before, saved, PlatformRoundTrip(saved.nick), Rest::Kept);
}

void OpenEditSave(const std::string& exe, const std::string& config, const std::string& currentDir, Rest rest) {
    Settings shown = PlatformReads(config);
    DialogProcess dialog(exe, currentDir);
    if (!ExpectShows(dialog, shown)) return;
    Settings edited = EditLikeAUser(dialog, shown);
    BeforeOk before = RecordBeforeOk(config);
    if (edited.nick.size() <= kLongestWritableValue) {
        if (PressOkAndExpectExit(dialog))
            ExpectFile(config, before, edited, PlatformRoundTrip(edited.nick), rest);
        return;
    }
    ClickWindow(dialog.Control(Ctl::OkButton));
    ExpectToldSaveFailedAndDismiss(dialog, config);
    EXPECT_TRUE(ExpectShows(dialog, edited)) << "the edits are gone";
    PressKeys({VK_MENU, VK_F4});
    if (!dialog.WaitForExit()) {
        ADD_FAILURE() << "the dialog did not close";
        return;
    }
    EXPECT_EQ(dialog.ExitCode(), 0u);
    // A save is all or nothing: the keys that could be written were not either.
    EXPECT_EQ(ReadFileBytes(config), before.bytes) << "a failed save changed the file";
}
