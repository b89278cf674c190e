// Key-by-key access to a settings file through the profile functions; one object serves one load or one save.
#pragma once

#include <cstdint>
#include <string>

class IniFile {
public:
    // Starts in reading mode with no current section; touches no file.
    explicit IniFile(std::wstring path);

    // Whether the profile functions can take the path: they cut or garble one of MAX_PATH characters or more, and
    // take an empty one for a file in the Windows folder.
    static bool Reaches(const std::wstring& path);

    void SwitchToWriting() { writing_ = true; }
    void SetSection(std::string section) { section_ = std::move(section); }

    // Reading: the value is the default and the file's value is returned.
    // Writing: the value is written and returned unchanged.
    // A path out of the functions' reach is never handed to them: reads give the default, writes fail.
    int32_t ValueInteger(const char* key, int32_t value);
    bool ValueBoolean(const char* key, bool value);
    std::string ValueString(const char* key, const std::string& value);

    // Whether any write so far did not reach the file.
    bool WriteFailed() const { return writeFailed_; }

private:
    int32_t ReadInteger(const char* key, int32_t fallback) const;
    bool Fits(const char* key, const std::string& text) const;
    void Write(const char* key, const std::string& text);

    std::wstring path_;
    std::string section_;
    bool reachable_;
    bool writing_ = false;
    bool writeFailed_ = false;
};
