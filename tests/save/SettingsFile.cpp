// Lines as the platform writes them (CRLF, no blanks around "=", no blank lines), so its rewrite keeps their size.
#include "tests/save/SettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/LongText.h"

namespace {

const char kMain[] = "; settings of the bot plug-in\r\n[main]\r\nnum_bots=4\r\ndebug=0\r\nautosave=1\r\n";
const char kBot[] = "[bot]\r\nskill=2\r\nnick_prefix=^1tolv\r\nname_colour=7\r\n";

// One section of another program's: keys of differing lengths.
std::string OtherSection(size_t number, size_t keys) {
    std::string text = "[map" + std::to_string(number) + "]\r\n";
    for (size_t key = 0; key < keys; ++key)
        text += "key" + std::to_string(key) + "=" + LongValue(8 + (number * 7 + key * 13) % 40) + "\r\n";
    return text;
}

}  // namespace

DialogValues StoredValues() { return DialogValues{4, false, 1, "^1tolv"}; }

std::string SettingsFileOfSize(size_t bytes) {
    const std::string tail = "[end]\r\npad=\r\n";
    // A few hundred sections whatever the size: a fresh read lists each section with a call of its own.
    size_t keys = std::max<size_t>(12, bytes / (200 * 36));
    std::string text = kMain;
    size_t number = 0;
    auto fillTo = [&](size_t size) {
        for (std::string next = OtherSection(number, keys); text.size() + next.size() < size;
             next = OtherSection(++number, keys))
            text += next;
    };
    fillTo(bytes / 2 - sizeof kBot - tail.size());
    text += kBot;
    fillTo(bytes - tail.size());
    // The last value takes up what is left, so the size is exact.
    EXPECT_GE(bytes, text.size() + tail.size()) << "too small for a settings file";
    size_t room = bytes > text.size() + tail.size() ? bytes - text.size() - tail.size() : 0;
    return text + "[end]\r\npad=" + std::string(room, 'x') + "\r\n";
}
