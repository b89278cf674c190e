// Lets a test look at what a save did to the file's text where the profile functions cannot see.
#include "tests/corpus/FileText.h"

#include <windows.h>

Encoding EncodingOf(const std::string& bytes) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return Encoding::Utf8;
    if (bytes.compare(0, 2, "\xFF\xFE") == 0) return Encoding::Utf16Le;
    if (bytes.compare(0, 2, "\xFE\xFF") == 0) return Encoding::Utf16Be;
    return Encoding::Ansi;
}

const char* EncodingName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8: return "UTF-8 with byte-order mark";
        case Encoding::Utf16Le: return "UTF-16LE with byte-order mark";
        case Encoding::Utf16Be: return "UTF-16BE with byte-order mark";
        default: return "ANSI";
    }
}

namespace {

std::string AnsiText(const std::string& bytes) {
    std::wstring wide;
    switch (EncodingOf(bytes)) {
        case Encoding::Ansi:
            return bytes;
        case Encoding::Utf8:
            wide.resize(bytes.size());
            wide.resize(size_t(MultiByteToWideChar(CP_UTF8, 0, bytes.data() + 3, int(bytes.size() - 3), &wide[0],
                                                   int(wide.size()))));
            break;
        case Encoding::Utf16Le:
        case Encoding::Utf16Be: {
            bool little = EncodingOf(bytes) == Encoding::Utf16Le;
            for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
                unsigned char a = bytes[i], b = bytes[i + 1];
                wide += wchar_t(little ? a | b << 8 : b | a << 8);
            }
            break;
        }
    }
    std::string ansi(wide.size() * 2 + 1, '\0');
    ansi.resize(size_t(WideCharToMultiByte(CP_ACP, 0, wide.data(), int(wide.size()), &ansi[0], int(ansi.size()),
                                           nullptr, nullptr)));
    return ansi;
}

std::string Trimmed(const std::string& line) {
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return line.substr(first, line.find_last_not_of(" \t") + 1 - first);
}

}  // namespace

std::vector<std::string> TextLines(const std::string& bytes) {
    std::string text = AnsiText(bytes);
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(Trimmed(text.substr(start, end - start)));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

int CountOf(const std::string& bytes, const std::string& piece) {
    int count = 0;
    for (size_t at = bytes.find(piece); at != std::string::npos; at = bytes.find(piece, at + 1)) ++count;
    return count;
}

namespace {

std::string Excerpt(const std::string& text, size_t at) {
    std::string excerpt;
    for (size_t i = at; i < text.size() && i < at + 40; ++i) {
        unsigned char c = text[i];
        if (c >= 32 && c < 127) {
            excerpt += char(c);
        } else {
            char escaped[8];
            wsprintfA(escaped, "\\x%02x", c);
            excerpt += escaped;
        }
    }
    return "\"" + excerpt + "\"";
}

}  // namespace

std::string TextDifference(const std::string& want, const std::string& got) {
    if (want == got) return std::string();
    size_t at = 0;
    while (at < want.size() && at < got.size() && want[at] == got[at]) ++at;
    size_t from = at < 10 ? 0 : at - 10;
    return "want " + std::to_string(want.size()) + " characters, got " + std::to_string(got.size()) +
           "; they differ from " + std::to_string(at) + ": want " + Excerpt(want, from) + ", got " + Excerpt(got, from);
}
