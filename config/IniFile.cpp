// Each value operation is exactly one profile call; nothing of the file is cached.
#include "config/IniFile.h"

#include <windows.h>

#include "config/Decimal.h"

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

int32_t IniFile::ReadInteger(const char* key, int32_t fallback) const {
    return int32_t(GetPrivateProfileIntA(section_.c_str(), key, fallback, path_.c_str()));
}

void IniFile::Write(const char* key, const std::string& text) {
    // Wine's ANSI write stores a value of 32,767 characters or more empty or cut, and reports success: refuse it.
    if (text.size() >= 32767 || !WritePrivateProfileStringA(section_.c_str(), key, text.c_str(), path_.c_str()))
        writeFailed_ = true;
}

int32_t IniFile::ValueInteger(const char* key, int32_t value) {
    if (!writing_) return ReadInteger(key, value);
    Write(key, DecimalText(value));
    return value;
}

bool IniFile::ValueBoolean(const char* key, bool value) {
    if (!writing_) return ReadInteger(key, value ? 1 : 0) != 0;
    Write(key, value ? "1" : "0");
    return value;
}

std::string IniFile::ValueString(const char* key, const std::string& value) {
    if (writing_) {
        Write(key, value);
        return value;
    }
    // A full buffer may mean a cut value: read again with twice the room until it fits.
    std::string buffer(2048, '\0');
    DWORD length;
    for (;;) {
        buffer[0] = '\0';
        length = GetPrivateProfileStringA(section_.c_str(), key, value.c_str(), &buffer[0], DWORD(buffer.size()),
                                          path_.c_str());
        if (length + 1 < buffer.size()) break;
        buffer.assign(buffer.size() * 2, '\0');
    }
    buffer.resize(length);
    return buffer;
}
