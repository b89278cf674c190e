// Each test meets a freshly started dialog, in a game folder of its own with no settings file.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/DialogProcess.h"
#include "tests/support/GameFolder.h"

class RunningDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog_.Up()); }

    HWND Form() const { return dialog_.Form(); }
    HWND Control(Ctl which) const { return dialog_.Control(which); }

    GameFolder game_;
    DialogProcess dialog_{game_};
};

// A point of a window given relative to its own top-left corner, in screen coordinates.
inline POINT At(HWND window, int dx, int dy) {
    RECT rect = ScreenRect(window);
    return POINT{rect.left + dx, rect.top + dy};
}

inline bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "(" << r.left << "," << r.top << ")-(" << r.right << "," << r.bottom << ")";
}
