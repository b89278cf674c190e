// Each fixture keeps the dialog's four keys among other sections, so a save has something to lose.
#include "tests/corpus/Fixtures.h"

#include <windows.h>

namespace {

std::string Text(const char* text) { return text; }

// A long value whose every stretch is different, so a cut or a shifted piece shows.
std::string Marked(size_t length, char first) {
    std::string value;
    value.reserve(length);
    for (size_t i = 0; value.size() < length; ++i) value += char(first + i % 26);
    value.replace(length - 3, 3, "END");
    return value;
}

std::string Utf16Le(const std::string& ansi) {
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(1252, 0, ansi.data(), int(ansi.size()), &wide[0], int(wide.size()))));
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : wide) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return bytes;
}

std::string Numbers(const char* number) {
    std::string n = number;
    return "[main]\r\nnum_bots=" + n + "\r\ndebug=" + n + "\r\n[bot]\r\nskill=" + n + "\r\nnick_prefix=number " + n +
           "\r\n[server]\r\nport=27960\r\n";
}

std::string EightMegabytes() {
    std::string bytes = "; every map the server knows\r\n[maps]\r\n";
    bytes.reserve(8u << 20);
    const std::string tail =
        "[main]\r\nnum_bots=6\r\ndebug=1\r\n[bot]\r\nskill=5\r\nnick_prefix=found at the end\r\n";
    for (int i = 0; bytes.size() + tail.size() < (8u << 20); ++i) {
        char line[160];
        wsprintfA(line, "map%06d=arena %06d, a long description of its items, spawn points and secrets\r\n", i, i);
        bytes += line;
    }
    return bytes + tail;
}

}  // namespace

const std::vector<Fixture>& FileCorpus() {
    static const std::vector<Fixture> corpus = {
        {"Empty", [] { return Text(""); }, {}},
        {"OnlyOtherSections",
         [] {
             return Text("; settings of the game server\r\n[server]\r\nport=27960\r\nhostname=Friday Frag Night\r\n"
                         "\r\n[maps]\r\nrotation=q3dm17 q3tourney2\r\n");
         },
         {}},
        {"BinaryJunkAndNulBytes_PlatformDropsTheRestOfALineAfterANul",
         [] {
             static const char junk[] =
                 "\x01\x02\x03garbage\0hidden\r\n[main]\r\nnum_bots=4\r\nbad\0key=val\0ue\r\n\x7f\x80\xff=\x90\x9d\r\n"
                 "\0\0\0\r\n[bot]\r\nskill=2\r\nnick_prefix=jun\x01k\x1b\r\n[tail]\r\nafter=junk\r\n\xde\xad\xbe\xef";
             return std::string(junk, sizeof junk - 1);
         },
         {}},
        {"NoLineBreakAtTheEnd",
         [] { return Text("[main]\r\nnum_bots=5\r\ndebug=1\r\n[bot]\r\nskill=4\r\nnick_prefix=no end"); }, {}},
        {"LfLineEnds_PlatformWritesCrLf",
         [] { return Text("[main]\nnum_bots=2\nmap=q3dm6\n[bot]\nskill=1\nnick_prefix=lf\n[server]\nport=27960\n"); },
         {}},
        {"CrLineEnds_PlatformWritesCrLf",
         [] { return Text("[main]\rnum_bots=2\rmap=q3dm6\r[bot]\rskill=1\rnick_prefix=cr\r[server]\rport=27960\r"); },
         {}},
        {"Utf8ByteOrderMark",
         [] {
             return Text("\xEF\xBB\xBF[main]\r\nnum_bots=3\r\n[bot]\r\nnick_prefix=Spieler \xC3\x9C\r\n"
                         "[server]\r\nhostname=K\xC3\xB6ln\r\n");
         },
         {}},
        {"Utf16LeWithByteOrderMark_KeysLandInUtf16",
         [] {
             return Utf16Le("[main]\r\nnum_bots=7\r\ndebug=1\r\n[bot]\r\nskill=2\r\nnick_prefix=\xDC" "ber\r\n"
                            "[server]\r\nhostname=K\xF6ln\r\n");
         },
         {}},
        {"SectionsAndKeysInOtherLetterCase",
         [] {
             return Text("[MAIN]\r\nNUM_BOTS=6\r\nDebug=1\r\n[Bot]\r\nSKILL=4\r\nNick_Prefix=Loud\r\n"
                         "[Server]\r\nPort=27960\r\n");
         },
         {}},
        {"KeyAndSectionTwice_FirstIsUsedTheRestKept",
         [] {
             return Text("[main]\r\nnum_bots=3\r\nnum_bots=8\r\n[bot]\r\nskill=2\r\nnick_prefix=first\r\n"
                         "[main]\r\ndebug=2\r\nextra=second copy\r\n[bot]\r\nnick_prefix=second\r\n");
         },
         {"debug=2", "extra=second copy", "nick_prefix=second"}},
        {"BlanksAndQuotesAroundValues_PlatformTrimsBlanks",
         [] {
             return Text("[main]\r\n  num_bots =  4  \r\n\tdebug\t=\t\"1\"\r\n\r\n[bot]\r\nskill = '5'\r\n"
                         "nick_prefix = \"  spaced  \" \r\n[server]\r\nhostname = \"Frag Night\"\r\n"
                         "motd='single quoted'\r\n");
         },
         {}},
        {"NumberWithPlusSign", [] { return Numbers("+5"); }, {}},
        {"NumberWithLeadingBlank", [] { return Numbers(" 7"); }, {}},
        {"HexNumber", [] { return Numbers("0x10"); }, {}},
        {"NumberWithLeadingZeros", [] { return Numbers("007"); }, {}},
        {"NumberBeyond32Bits", [] { return Numbers("99999999999"); }, {}},
        {"NumberBelowThe32BitRange", [] { return Numbers("-2147483649"); }, {}},
        {"NotANumber", [] { return Numbers("abc"); }, {}},
        // The prefix is as long as the platform's ANSI write can carry; a longer one cannot be saved (FailedSave).
        {"LineOf100000Characters_LongestPrefixTheWriteCarries",
         [] {
             return "[main]\r\nnum_bots=1\r\n[bot]\r\nnick_prefix=" + Marked(32766, 'a') + "\r\nskill=2\r\n" +
                    "[server]\r\nmotd=" + Marked(100000 - 5, 'A') + "\r\nport=27960\r\n";
         },
         {}},
        {"EightMegabytes_KeysAtTheEnd", EightMegabytes, {}},
    };
    return corpus;
}

std::vector<Fixture> SmallFileCorpus() {
    std::vector<Fixture> small;
    for (const Fixture& fixture : FileCorpus())
        if (std::string(fixture.name) != "EightMegabytes_KeysAtTheEnd") small.push_back(fixture);
    return small;
}
