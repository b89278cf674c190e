// A game folder at any path: named in any script, or deeper than MAX_PATH, which the ANSI GameFolder cannot make.
#pragma once

#include <string>

class WideGameFolder {
public:
    // <dir>\ made anew with the program copied in and an empty basezul\tolv.bot; missing folders above it are made.
    explicit WideGameFolder(const std::wstring& dir);

    // Ends with a backslash.
    const std::wstring& Dir() const { return dir_; }
    std::wstring Exe() const { return dir_ + L"tolv.bot.setup.exe"; }
    std::wstring PluginDir() const { return dir_ + L"basezul\\tolv.bot"; }
    std::wstring Config() const { return PluginDir() + L"\\config.bot"; }
    std::wstring Help() const { return PluginDir() + L"\\readme.chm"; }

    void WriteConfig(const std::string& bytes) const;
    // Empty when there is no file.
    std::string ReadConfig() const;

private:
    std::wstring dir_;
};
