// What a settings file says, line by line, so a test can tell "nothing else changed" after Wine rewrote the bytes.
#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// One meaningful line: a section header, a key with its value, or a comment.
struct IniEntry {
    std::string section;  // the section the line is in; "" before the first header
    std::string key;      // empty for a header or a comment
    std::string text;     // the value of a key as stored, or the whole header or comment line

    bool operator==(const IniEntry& other) const {
        return lstrcmpiA(section.c_str(), other.section.c_str()) == 0 &&
               lstrcmpiA(key.c_str(), other.key.c_str()) == 0 && text == other.text;
    }
};

inline std::ostream& operator<<(std::ostream& out, const IniEntry& entry) {
    out << "[" << entry.section << "] ";
    if (entry.key.empty()) return out << entry.text;
    return out << entry.key << "=" << entry.text;
}

namespace ini_detail {
inline std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}
inline bool SameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }
}  // namespace ini_detail

// Blank lines and the blanks around "=" and at the ends of a line carry nothing: the platform drops them.
inline std::vector<IniEntry> ParseIni(const std::string& bytes) {
    std::vector<IniEntry> entries;
    std::string section;
    size_t start = 0;
    while (start <= bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = ini_detail::Trim(bytes.substr(start, end - start));
        start = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
        if (line.empty()) continue;
        if (line[0] == '[' && line.find(']') != std::string::npos) {
            section = ini_detail::Trim(line.substr(1, line.find(']') - 1));
            entries.push_back({section, "", line});
        } else if (line[0] == ';' || line.find('=') == std::string::npos) {
            entries.push_back({section, "", line});
        } else {
            size_t equals = line.find('=');
            entries.push_back(
                {section, ini_detail::Trim(line.substr(0, equals)), ini_detail::Trim(line.substr(equals + 1))});
        }
    }
    return entries;
}

// The entries with one key set to a value: in place when it is there, else at the end of its section, else in a
// new section at the end, which is where the profile functions put it.
inline std::vector<IniEntry> WithValue(std::vector<IniEntry> entries, const std::string& section,
                                       const std::string& key, const std::string& value) {
    size_t sectionEnd = std::string::npos;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (!ini_detail::SameName(entries[i].section, section)) continue;
        if (ini_detail::SameName(entries[i].key, key)) {
            entries[i].text = value;
            return entries;
        }
        sectionEnd = i + 1;
    }
    if (sectionEnd == std::string::npos) {
        entries.push_back({section, "", "[" + section + "]"});
        sectionEnd = entries.size();
    }
    entries.insert(entries.begin() + long(sectionEnd), {section, key, value});
    return entries;
}

// The value of a key, or "<missing>" when the section has no such key.
inline std::string ValueIn(const std::vector<IniEntry>& entries, const std::string& section, const std::string& key) {
    for (const IniEntry& entry : entries)
        if (!entry.key.empty() && ini_detail::SameName(entry.section, section) && ini_detail::SameName(entry.key, key))
            return entry.text;
    return "<missing>";
}
