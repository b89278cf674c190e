// Each value operation is exactly one profile call; nothing of the file is cached.
#include "config/IniFile.h"

#include <windows.h>

#include <cstring>

#include "config/Decimal.h"
#include "config/ProgramDir.h"
#include "config/Text.h"

IniFile::IniFile(std::wstring path) : path_(std::move(path)), reachable_(Reaches(path_)) {}

bool IniFile::Reaches(const std::wstring& path) {
    // A name without a folder would go to the Windows folder.
    return !path.empty() && path.size() < MAX_PATH;
}

int32_t IniFile::ReadInteger(const char* key, int32_t fallback) const {
    if (!reachable_) return fallback;
    return int32_t(GetPrivateProfileIntW(Widen(section_).c_str(), Widen(key).c_str(), fallback, path_.c_str()));
}

bool IniFile::Fits(const char* key, const std::string& text) const {
    // A write may add the section's header, the key and the value, at up to three bytes a character, and the file may
    // need one more cluster for them.
    std::wstring folder = DirectoryOf(path_);
    DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
    ULARGE_INTEGER free;
    if (!GetDiskFreeSpaceExW(folder.c_str(), &free, nullptr, nullptr)) return true;
    ULONGLONG cluster = GetDiskFreeSpaceW(folder.c_str(), &sectors, &bytes, &freeClusters, &clusters)
                            ? ULONGLONG(sectors) * bytes
                            : 65536;
    return free.QuadPart >= 3 * (section_.size() + strlen(key) + text.size() + 8) + cluster;
}

void IniFile::Write(const char* key, const std::string& text) {
    // The platform's ANSI write stores a value of 32,767 characters or more empty or cut, and reports success:
    // refuse it, so the file holds no more than the plug-in's ANSI reads can take. On a full disk it reports success
    // too, and leaves the file cut.
    if (!reachable_ || text.size() >= 32767 || !Fits(key, text) ||
        !WritePrivateProfileStringW(Widen(section_).c_str(), Widen(key).c_str(), Widen(text).c_str(), path_.c_str()))
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
    if (!reachable_) return value;
    // A full buffer may mean a cut value: read again with twice the room until it fits.
    std::wstring buffer(2048, L'\0');
    DWORD length;
    for (;;) {
        buffer[0] = L'\0';
        length = GetPrivateProfileStringW(Widen(section_).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                                          &buffer[0], DWORD(buffer.size()), path_.c_str());
        if (length + 1 < buffer.size()) break;
        buffer.assign(buffer.size() * 2, L'\0');
    }
    buffer.resize(length);
    return Narrow(buffer);
}
