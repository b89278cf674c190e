// Reads a whole file only through the platform's own functions, so the checks see what the plug-in sees.
#include "tests/support/ProfileView.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/Paths.h"

namespace {

// A list of zero-terminated strings; the platform says it was cut by filling the buffer to two short of its end.
template <class Read>
std::vector<std::string> ReadList(Read read) {
    std::vector<char> buffer(1 << 16);
    DWORD length;
    for (;;) {
        length = read(buffer.data(), DWORD(buffer.size()));
        if (length + 2 < buffer.size()) break;
        buffer.assign(buffer.size() * 2, '\0');
    }
    std::vector<std::string> items;
    for (DWORD at = 0; at < length;) {
        std::string item(&buffer[at]);
        at += DWORD(item.size()) + 1;
        items.push_back(item);
    }
    return items;
}

bool SameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string KeyOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

bool SameEntry(const std::string& a, const std::string& b) {
    return SameName(KeyOf(a), KeyOf(b)) && a.substr(KeyOf(a).size()) == b.substr(KeyOf(b).size());
}

struct DialogKey {
    const char* section;
    const char* key;
};
constexpr DialogKey kDialogKeys[] = {{"main", "num_bots"}, {"main", "debug"}, {"bot", "skill"}, {"bot", "nick_prefix"}};

std::string Short(const std::string& text) { return text.size() <= 80 ? text : text.substr(0, 80) + "..."; }

}  // namespace

ProfileView ReadProfileView(const std::string& path) {
    ProfileView view;
    auto names = ReadList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesA(buffer, size, path.c_str());
    });
    for (const std::string& name : names) {
        view.push_back({name, ReadList([&](char* buffer, DWORD size) {
                            return GetPrivateProfileSectionA(name.c_str(), buffer, size, path.c_str());
                        })});
    }
    return view;
}

ProfileView WithoutTheDialogsKeys(ProfileView view) {
    // A name listed twice shows the first section's content both times, so each listing loses the same keys.
    for (ProfileSection& section : view) {
        for (const DialogKey& key : kDialogKeys) {
            if (!SameName(section.name, key.section)) continue;
            auto found = std::find_if(section.entries.begin(), section.entries.end(),
                                      [&](const std::string& entry) { return SameName(KeyOf(entry), key.key); });
            if (found != section.entries.end()) section.entries.erase(found);
        }
    }
    return view;
}

ProfileView WithoutSectionsTheSaveMade(ProfileView after, const ProfileView& before) {
    for (const char* name : {"main", "bot"}) {
        auto named = [&](const ProfileSection& section) { return SameName(section.name, name); };
        if (std::any_of(before.begin(), before.end(), named)) continue;
        auto made = std::find_if(after.begin(), after.end(), named);
        if (made != after.end() && made->entries.empty()) after.erase(made);
    }
    return after;
}

std::string ViewDifference(const ProfileView& want, const ProfileView& got) {
    for (size_t s = 0; s < want.size() || s < got.size(); ++s) {
        std::string where = "section " + std::to_string(s) + ": ";
        if (s >= got.size()) return where + "[" + want[s].name + "] is gone";
        if (s >= want.size()) return where + "[" + got[s].name + "] was added";
        if (!SameName(want[s].name, got[s].name))
            return where + "want [" + want[s].name + "], got [" + got[s].name + "]";
        const auto& a = want[s].entries;
        const auto& b = got[s].entries;
        for (size_t e = 0; e < a.size() || e < b.size(); ++e) {
            std::string at = where + "[" + want[s].name + "] entry " + std::to_string(e) + ": ";
            if (e >= b.size()) return at + "\"" + Short(a[e]) + "\" is gone";
            if (e >= a.size()) return at + "\"" + Short(b[e]) + "\" was added";
            if (!SameEntry(a[e], b[e])) return at + "want \"" + Short(a[e]) + "\", got \"" + Short(b[e]) + "\"";
        }
    }
    return std::string();
}

std::string StoredText(const std::string& path, const char* section, const char* key, const char* fallback) {
    std::string buffer(4096, '\0');
    for (;;) {
        DWORD length = GetPrivateProfileStringA(section, key, fallback, &buffer[0], DWORD(buffer.size()), path.c_str());
        if (length + 1 < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        buffer.assign(buffer.size() * 2, '\0');
    }
}

std::string PlatformRoundTrip(const std::string& text) {
    EXPECT_LE(text.size(), kLongestWritableValue) << "no round trip for a value the platform cannot write";
    CreateDirectoryA(ScratchDir().c_str(), nullptr);
    std::string scratch = ScratchDir() + "\\" + CurrentTestName() + ".roundtrip.ini";
    DeleteFileA(scratch.c_str());
    WritePrivateProfileStringA("round", "trip", text.c_str(), scratch.c_str());
    return StoredText(scratch, "round", "trip");
}
