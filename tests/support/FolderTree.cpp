// Paths go through the wide functions at any length, so a tree below a deep or Unicode folder reads whole.
#include "tests/support/FolderTree.h"

#include <windows.h>

#include "tests/support/WidePaths.h"

namespace {

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

Tree TreeOf(const std::wstring& dir) {
    Tree tree;
    Collect(dir, L"", &tree);
    return tree;
}

Tree TreeOf(const std::string& dir) { return TreeOf(FromAnsi(dir)); }

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

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : TreeOf(dir)) {
        size_t separator = entry.first.find(L'\\');
        if (separator == std::wstring::npos || separator + 1 == entry.first.size()) names.push_back(Utf8(entry.first));
    }
    return names;
}
