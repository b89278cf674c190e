// A prefix with a line break in it, put there by another program or a paste, must not write keys or sections.
#include <gtest/gtest.h>

#include "tests/corpus/OpenEditSave.h"
#include "tests/support/GameFolder.h"

namespace {

struct BrokenPrefix {
    const char* name;
    const char* text;
    // What the file must then hold: the text up to its first line break.
    const char* saved;
};

const BrokenPrefix kPrefixes[] = {
    {"CrLfThenASection", "x\r\n[main]\r\nnum_bots=7", "x"},
    {"LfThenASection", "x\n[bot]\nskill=1", "x"},
    {"CrThenAKey", "x\rdebug=1", "x"},
    {"LfThenCr", "tolv\n\r[evil]\r\nkey=1", "tolv"},
    {"LineBreakFirst", "\r\nnum_bots=7", ""},
};

void PrintTo(const BrokenPrefix& prefix, std::ostream* out) { *out << prefix.name; }

class LineBreakInPrefix : public ::testing::TestWithParam<BrokenPrefix> {};

}  // namespace

TEST_P(LineBreakInPrefix, SavesTheTextUpToTheBreakAndNoOtherKeyOrSection) {
    const BrokenPrefix& prefix = GetParam();
    GameFolder game;
    game.WriteConfig("[main]\r\nnum_bots=2\r\ndebug=0\r\n[bot]\r\nskill=4\r\nnick_prefix=before\r\n"
                     "[server]\r\nport=27960\r\n");
    Settings shown = PlatformReads(game.Config());
    DialogProcess dialog(game);
    ASSERT_TRUE(ExpectShows(dialog, shown));

    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    SendMessageA(edit, WM_SETTEXT, 0, LPARAM(prefix.text));
    ASSERT_EQ(DialogProcess::Text(edit), prefix.text) << "the edit box did not keep the line break";
    BeforeOk before = RecordBeforeOk(game.Config());
    if (!PressOkAndExpectExit(dialog)) return;

    Settings saved = shown;
    saved.nick = prefix.saved;
    ExpectSaved(game.Config(), before, saved);
}

INSTANTIATE_TEST_SUITE_P(Corpus, LineBreakInPrefix, ::testing::ValuesIn(kPrefixes),
                         [](const ::testing::TestParamInfo<BrokenPrefix>& info) { return info.param.name; });
