// A seeded burst of messages with random parameters from another process, which now and then also rewrites what a
// window of the dialog carries. The seed is printed with every failure; TOLV_HOSTILE_SEED set to it replays the run.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/hostile/Aftermath.h"
#include "tests/hostile/ForeignWindow.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/FolderTree.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
#include "tests/support/WindowFinders.h"

namespace {

constexpr int kMessages = 2400;
// Messages handed over before the test waits for them to be handled; a failure names the whole batch.
constexpr int kBatch = 10;

unsigned SeedOfRun() {
    char text[32] = "";
    if (GetEnvironmentVariableA("TOLV_HOSTILE_SEED", text, sizeof text))
        return unsigned(std::strtoul(text, nullptr, 0));
    return GetTickCount() ^ (GetCurrentProcessId() << 16);
}

// One message of the burst and the window it goes to; or, with rewrite, lParam written where the toolkit might keep
// its object on that window.
struct Shot {
    const Named* to;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool rewrite = false;
};

// Codes the dialog's controls send, and their lists'; the rest of the codes are drawn at random.
const WORD kCodes[] = {BN_CLICKED,   BN_DOUBLECLICKED, CBN_SELCHANGE, CBN_DROPDOWN, CBN_CLOSEUP,
                       LBN_SELCHANGE, LBN_DBLCLK,      EN_CHANGE,     EN_KILLFOCUS};

class Burst {
public:
    // Messages go to the dialog's windows; handles in them are the dialog's, the others given, 0 or any number.
    Burst(unsigned seed, std::vector<Named> receivers, std::vector<Named> others, HWND ok, HWND about, HWND panel)
        : random_(seed), receivers_(std::move(receivers)), ok_(ok), about_(about), panel_(panel) {
        for (const Named& receiver : receivers_) handles_.push_back(receiver.window);
        for (const Named& other : others) handles_.push_back(other.window);
    }

    // The next message; never a click of the dialog's own Ok or About, which would save or start the help viewer.
    // A text the message points at is kept in text.
    Shot Next(std::string* text) {
        for (;;) {
            Shot shot = Draw(text);
            if (!ClicksOkOrAbout(shot)) return shot;
        }
    }

private:
    unsigned Below(unsigned n) { return unsigned(random_() % n); }

    // Half the numbers fit in 32 bits, as handles do; the rest fill a pointer.
    LONG_PTR AnyNumber() {
        uint64_t number = random_();
        if (Below(2)) number = number << 32 | random_();
        return LONG_PTR(ULONG_PTR(number));
    }

    LPARAM AnyHandle() {
        switch (Below(4)) {
        case 0:
        case 1: return LPARAM(handles_[Below(unsigned(handles_.size()))]);
        case 2: return 0;
        default: return AnyNumber();
        }
    }

    Shot Draw(std::string* text) {
        Shot shot{&receivers_[Below(unsigned(receivers_.size()))], 0, 0, 0};
        unsigned kind = Below(22);
        if (kind < 7) {
            WORD code = Below(2) ? kCodes[Below(std::size(kCodes))] : WORD(random_());
            shot.message = WM_COMMAND;
            shot.wParam = MAKEWPARAM(WORD(random_()), code);
            shot.lParam = AnyHandle();
        } else if (kind < 13) {
            shot.message = kColourRequests[Below(std::size(kColourRequests))];
            shot.wParam = Below(4) ? WPARAM(AnyNumber()) : 0;
            shot.lParam = AnyHandle();
        } else if (kind < 15) {
            // Now and then longer than an edit box or the settings file takes.
            size_t length = Below(5) ? Below(200) : Below(40000);
            text->resize(length);
            for (char& c : *text) c = char(1 + Below(255));
            shot.message = WM_SETTEXT;
            shot.lParam = LPARAM(text->c_str());
        } else if (kind < 18) {
            shot.message = kComboMessages[Below(std::size(kComboMessages))];
            shot.wParam = Below(2) ? WPARAM(int(Below(14)) - 2) : WPARAM(AnyNumber());
            shot.lParam = AnyNumber();
        } else if (kind < 20) {
            shot.message = kButtonMessages[Below(std::size(kButtonMessages))];
            shot.wParam = Below(2) ? Below(4) : WPARAM(AnyNumber());
            shot.lParam = AnyNumber();
        } else {
            // Zero, any number, or what is kept on another window, the dialog's or not.
            shot.rewrite = true;
            switch (Below(3)) {
            case 0: shot.lParam = 0; break;
            case 1: shot.lParam = AnyNumber(); break;
            default: shot.lParam = DataKeptOn(handles_[Below(unsigned(handles_.size()))]);
            }
        }
        return shot;
    }

    bool ClicksOkOrAbout(const Shot& shot) const {
        HWND to = shot.to->window;
        if (shot.message == BM_CLICK) return to == ok_ || to == about_;
        return shot.message == WM_COMMAND && to == panel_ && HIWORD(shot.wParam) == BN_CLICKED &&
               (HWND(shot.lParam) == ok_ || HWND(shot.lParam) == about_);
    }

    std::mt19937 random_;
    std::vector<Named> receivers_;
    std::vector<HWND> handles_;
    HWND ok_, about_, panel_;
};

std::string Describe(const Shot& shot) {
    std::ostringstream out;
    if (shot.rewrite) {
        out << "user data and property 0x" << std::hex << shot.lParam << " written on the " << shot.to->name;
        return out.str();
    }
    out << MessageName(shot.message) << " (0x" << std::hex << shot.message << ") wParam 0x" << shot.wParam
        << " lParam 0x" << shot.lParam << " to the " << shot.to->name;
    return out.str();
}

// The lists of the combo boxes, opened or not: windows of the dialog's process that are no controls of the dialog.
std::vector<Named> ComboLists(const DialogProcess& dialog) {
    std::vector<Named> lists;
    for (HWND list : WindowsOfClass(dialog, "ComboLBox")) lists.push_back({"list of a combo box", list});
    return lists;
}

}  // namespace

TEST(MessageBurst, RandomMessagesFromAnotherProcessNeitherCrashNorHangNorWrite) {
    const unsigned seed = SeedOfRun();
    std::printf("message burst seed %u: TOLV_HOSTILE_SEED=%u replays it\n", seed, seed);
    RecordProperty("seed", std::to_string(seed));
    for (bool withFile : {true, false}) {
        SCOPED_TRACE(std::string(withFile ? "with" : "without") + " a settings file, seed " + std::to_string(seed));
        GameFolder game(CurrentTestName() + (withFile ? ".file" : ".none"));
        if (withFile) game.WriteConfig(kSettingsFile);
        const Tree before = TreeOf(game.PluginDir());
        DialogProcess dialog(game);
        ASSERT_TRUE(dialog.Up());
        {
            std::vector<Named> receivers = DialogWindows(dialog);
            HWND ok = dialog.Control(Ctl::OkButton);
            ForeignWindow posing(DataKeptOn(ok));
            ForeignWindow inPanel(LONG_PTR(0x41414141), dialog.Panel());
            std::vector<Named> others = ComboLists(dialog);
            others.push_back({"test's window carrying Ok's data", posing.Handle()});
            others.push_back({"test's window in the panel", inPanel.Handle()});
            Burst burst(seed, receivers, others, ok, dialog.Control(Ctl::AboutButton), dialog.Panel());
            std::string text, batch;
            for (int n = 0; n < kMessages; ++n) {
                Shot shot = burst.Next(&text);
                batch += "\n  message " + std::to_string(n) + ": " + Describe(shot);
                bool handed = shot.rewrite ? CarryValue(shot.to->window, shot.lParam)
                                           : Hand(shot.to->window, shot.message, shot.wParam, shot.lParam);
                if (handed && (n + 1) % kBatch && n + 1 < kMessages) continue;
                ASSERT_TRUE(handed && Settle(dialog)) << "not handled:" << batch << "\n" << Fate(dialog);
                batch.clear();
            }
            ASSERT_TRUE(dialog.WaitIdle());
        }
        EXPECT_EQ(TreeDifference(before, TreeOf(game.PluginDir())), "")
            << "the dialog wrote though its Ok was not clicked";
        ExpectOkStillSaves(dialog, game);
    }
}
