// A fresh game folder for one test: the program, the plug-in folder and, if the test wants, a settings file.
#pragma once

#include <string>

class GameFolder {
public:
    // <root>\<name>\ with the program copied in and an empty basezul\tolv.bot; a name of "" uses the test's.
    // The root is the scratch folder unless given, without a final backslash ("Q:" for a drive's root).
    explicit GameFolder(const std::string& name = "", const std::string& root = "");

    // Ends with a backslash.
    const std::string& Dir() const { return dir_; }
    std::string Exe() const { return dir_ + "tolv.bot.setup.exe"; }
    std::string PluginDir() const { return dir_ + "basezul\\tolv.bot"; }
    std::string Config() const { return PluginDir() + "\\config.bot"; }

    void WriteConfig(const std::string& bytes) const;
    // Empty when there is no file.
    std::string ReadConfig() const;
    bool HasConfig() const;
    void RemovePluginDir() const;

    // What the profile functions read from the file, as the plug-in would see it.
    std::string ReadValue(const char* section, const char* key, const char* fallback = "<missing>") const;

private:
    std::string dir_;
};
