// Decoys hold values of their own, so a program that read one would show them, and one that wrote there would change
// its bytes.
#include "tests/paths/Folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/Paths.h"
#include "tests/support/WidePaths.h"

namespace {

const char kDecoySettings[] = "[main]\r\nnum_bots=2\r\ndebug=1\r\n[bot]\r\nskill=1\r\nnick_prefix=^1decoy\r\n";

// A name long enough that a cut inside it is a cut inside a name; the last one takes what is left over.
constexpr size_t kNameLength = 30;

void Collect(const std::wstring& dir, const std::wstring& relative, Tree* tree) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(Extended(dir + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            (*tree)[relative + name + L"\\"] = "<folder>";
            Collect(dir + L"\\" + name, relative + name + L"\\", tree);
        } else {
            (*tree)[relative + name] = ReadFileBytes(dir + L"\\" + name);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

}  // namespace

std::wstring CaseRoot() {
    std::wstring root = WideScratchDir() + L"\\" + FromUtf8(CurrentTestName());
    RemoveTree(root);
    EXPECT_TRUE(CreateFolders(root)) << Utf8(root);
    return root;
}

std::wstring DeepFolder(const std::wstring& root, size_t length) {
    if (root.size() + 1 + kNameLength > length) {
        ADD_FAILURE() << "the scratch folder is too deep for a path of " << length << " characters: " << Utf8(root);
        return root;
    }
    std::wstring path = root;
    for (int level = 1; path.size() < length; ++level) {
        size_t left = length - path.size() - 1;
        size_t size = left < 2 * kNameLength ? left : kNameLength;
        std::wstring name = L"level" + std::to_wstring(100 + level).substr(1) + L"_";
        name.resize(size, L'x');
        path += L"\\" + name;
    }
    EXPECT_TRUE(CreateFolders(path)) << Utf8(path);
    return path;
}

std::wstring DeepGameFolder(const std::wstring& root, size_t settingsPathLength) {
    // The backslash, then basezul\tolv.bot\config.bot.
    return DeepFolder(root, settingsPathLength - 1 - 27);
}

std::vector<std::wstring> FoldersAbove(const std::wstring& dir, const std::wstring& root) {
    std::vector<std::wstring> folders{root};
    for (size_t at = dir.find(L'\\', root.size() + 1); at != std::wstring::npos; at = dir.find(L'\\', at + 1))
        folders.push_back(dir.substr(0, at));
    return folders;
}

void PlantDecoy(const std::wstring& dir) {
    std::wstring plugin = dir + L"\\basezul\\tolv.bot";
    EXPECT_TRUE(CreateFolders(plugin)) << Utf8(plugin);
    EXPECT_TRUE(WriteFileBytes(plugin + L"\\config.bot", kDecoySettings));
    EXPECT_TRUE(WriteFileBytes(plugin + L"\\readme.chm", "not the game's help"));
}

Tree TreeOf(const std::wstring& dir) {
    Tree tree;
    Collect(dir, L"", &tree);
    return tree;
}

std::string TreeDifference(const Tree& before, const Tree& after) {
    std::string difference;
    for (const auto& [path, bytes] : before) {
        auto now = after.find(path);
        if (now == after.end())
            difference += "removed " + Utf8(path) + "; ";
        else if (now->second != bytes)
            difference += "changed " + Utf8(path) + "; ";
    }
    for (const auto& entry : after)
        if (!before.count(entry.first)) difference += "added " + Utf8(entry.first) + "; ";
    return difference;
}
