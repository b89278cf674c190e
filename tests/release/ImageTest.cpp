// What the build puts into the program file a player gets: version, manifest, imports, and no time stamps.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "tests/release/PeFile.h"
#include "tests/release/Release.h"

namespace {

std::vector<char> VersionInfo(const std::string& file) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::vector<char> info(size);
    if (!size || !GetFileVersionInfoA(file.c_str(), 0, size, info.data())) info.clear();
    return info;
}

// The program file loaded as data only: nothing of it runs.
class ResourceFile {
public:
    explicit ResourceFile(const std::string& file)
        : module_(LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~ResourceFile() {
        if (module_) FreeLibrary(module_);
    }
    ResourceFile(const ResourceFile&) = delete;
    ResourceFile& operator=(const ResourceFile&) = delete;

    HMODULE Module() const { return module_; }

    std::string Bytes(LPCSTR name, LPCSTR type) const {
        HRSRC found = FindResourceA(module_, name, type);
        HGLOBAL loaded = found ? LoadResource(module_, found) : nullptr;
        const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        return data ? std::string(data, SizeofResource(module_, found)) : std::string();
    }

private:
    HMODULE module_;
};

BOOL CALLBACK CollectType(HMODULE, LPSTR type, LONG_PTR types) {
    // Our resources have numbered types only; a named one is collected as 0 and fails the comparison.
    reinterpret_cast<std::set<ULONG_PTR>*>(types)->insert(IS_INTRESOURCE(type) ? ULONG_PTR(type) : 0);
    return TRUE;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) { return char(tolower(uint8_t(c))); });
    return text;
}

}  // namespace

TEST(VersionResource, PropertiesFindTheStringsThroughTheTranslationTable) {
    std::vector<char> info = VersionInfo(Unpacked(kPackagedExe));
    ASSERT_FALSE(info.empty()) << "no version resource";
    // Explorer looks the strings up in the block that the translation table names, so the two must agree.
    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_GE(length, 2 * sizeof(WORD));
    char block[64];
    snprintf(block, sizeof block, "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);

    const struct {
        const char* name;
        std::string value;
    } rows[] = {
        {"FileDescription", "tolv.bot.setup"},
        {"ProductName", "tolv.bot.setup"},
        {"FileVersion", TOLV_VERSION},
        {"ProductVersion", TOLV_VERSION},
        {"LegalCopyright", "Copyright (c) 2026 The tolv.bot.setup developers"},
        {"OriginalFilename", kPackagedExe},
    };
    for (const auto& row : rows) {
        char* value = nullptr;
        UINT chars = 0;
        bool found = VerQueryValueA(info.data(), (block + std::string(row.name)).c_str(),
                                    reinterpret_cast<void**>(&value), &chars) && value;
        EXPECT_TRUE(found && std::string(value) == row.value)
            << row.name << " in " << block << ": " << (found ? value : "<missing>");
    }
}

TEST(VersionResource, NumbersAreTheProjectVersionOfAnApplication) {
    std::vector<char> info = VersionInfo(Unpacked(kPackagedExe));
    ASSERT_FALSE(info.empty()) << "no version resource";
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof *fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const DWORD high = MAKELONG(TOLV_VERSION_MINOR, TOLV_VERSION_MAJOR);
    const DWORD low = MAKELONG(0, TOLV_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "a release is no debug, patched or pre-release build";
}

TEST(Resources, AreTheVersionAndTheManifestAndNoIcon) {
    ResourceFile exe(Unpacked(kPackagedExe));
    ASSERT_TRUE(exe.Module());
    std::set<ULONG_PTR> types;
    EnumResourceTypesA(exe.Module(), CollectType, LONG_PTR(&types));
    EXPECT_EQ(types, (std::set<ULONG_PTR>{ULONG_PTR(RT_VERSION), ULONG_PTR(RT_MANIFEST)}));
}

TEST(Manifest, IsTheOneWindowsReadsAtStartAndAsksForWhatThePlayerNeeds) {
    ResourceFile exe(Unpacked(kPackagedExe));
    ASSERT_TRUE(exe.Module());
    // Windows reads the process's manifest from resource 1 of type 24, and from nowhere else.
    std::string manifest = exe.Bytes(MAKEINTRESOURCEA(1), RT_MANIFEST);
    ASSERT_FALSE(manifest.empty()) << "no manifest at resource 1 of type 24";

    const struct {
        const char* why;
        const char* text;
    } required[] = {
        {"runs as the user who starts it", "level=\"asInvoker\""},
        {"no access to other programs' windows", "uiAccess=\"false\""},
        {"Vista", "{e2011457-1546-43c5-a5fe-008deee3d3f0}"},
        {"7", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"},
        {"8", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"},
        {"8.1", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}"},
        {"10 and 11", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"},
        {"common controls", "name=\"Microsoft.Windows.Common-Controls\""},
        {"common controls 6", "version=\"6.0.0.0\""},
        {"common controls signed by Microsoft", "publicKeyToken=\"6595b64144ccf1df\""},
    };
    for (const auto& row : required) EXPECT_NE(manifest.find(row.text), std::string::npos) << row.why << ": " << row.text;

    // The dialog does no scaling of its own, and the program must not ask for more rights than its user has.
    for (const char* absent : {"dpiaware", "requireadministrator", "highestavailable"})
        EXPECT_EQ(Lower(manifest).find(absent), std::string::npos) << absent;
}

TEST(Imports, AreWindowsOwnDllsOnly) {
    PeFile exe(ReadFileBytes(Unpacked(kPackagedExe)));
    ASSERT_TRUE(exe.Valid());
    // Anything else (a MinGW runtime DLL above all) is missing on a player's Windows and the program would not start.
    const std::set<std::string> windows = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "msvcrt.dll"};
    std::vector<std::string> dlls = exe.ImportedDlls();
    EXPECT_FALSE(dlls.empty());
    for (const std::string& dll : dlls) EXPECT_EQ(windows.count(Lower(dll)), 1u) << dll;
}

TEST(Reproducible, ProgramFileHoldsNoTimeStamp) {
    PeFile exe(ReadFileBytes(Unpacked(kPackagedExe)));
    ASSERT_TRUE(exe.Valid());
    EXPECT_EQ(exe.FileHeader().TimeDateStamp, 0u) << "the linker's time stamp";
    // A debug directory carries a time stamp of its own.
    EXPECT_EQ(exe.Directory(IMAGE_DIRECTORY_ENTRY_DEBUG).Size, 0u) << "a debug directory";
    std::vector<uint32_t> stamps = exe.ResourceTimeStamps();
    EXPECT_FALSE(stamps.empty()) << "no resource tree";
    for (size_t i = 0; i < stamps.size(); ++i) EXPECT_EQ(stamps[i], 0u) << "resource directory " << i;
}
