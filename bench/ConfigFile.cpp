// The filler looks like settings of other plug-ins, so the profile functions parse it as they would a real file.
#include "bench/ConfigFile.h"

#include <cstdio>

std::string ConfigOfSize(size_t bytes) {
    const std::string keys = "[main]\r\nnum_bots=4\r\ndebug=0\r\n[bot]\r\nskill=3\r\nnick_prefix=^2^btolv^n^7\r\n";
    std::string text;
    text.reserve(bytes);
    char line[96];
    for (int section = 0; text.size() + keys.size() + 1100 < bytes; ++section) {
        snprintf(line, sizeof line, "[filler%05d]\r\n", section);
        text += line;
        for (int key = 0; key < 16; ++key) {
            snprintf(line, sizeof line, "key%02d=value of key %02d in section %05d, as other plug-ins store\r\n", key,
                     key, section);
            text += line;
        }
    }
    // A comment line makes up the rest, so the sizes are exact.
    if (text.size() + keys.size() + 3 <= bytes) text += ";" + std::string(bytes - text.size() - keys.size() - 3, '-') + "\r\n";
    return text + keys;
}
