// Only the central directory is read: the names, sizes and CRCs are all the tests compare.
#include "tests/release/ZipDirectory.h"

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kEntrySignature = 0x02014b50;
constexpr size_t kEndSize = 22;
constexpr size_t kEntrySize = 46;

uint32_t Little(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | uint8_t(bytes[at + i]);
    return value;
}

}  // namespace

bool ReadZipDirectory(const std::string& zip, std::vector<ZipEntry>& entries) {
    entries.clear();
    if (zip.size() < kEndSize) return false;
    // The end record closes the file unless a comment of up to 64 KiB follows it.
    size_t end = zip.size() - kEndSize;
    while (Little(zip, end, 4) != kEndSignature) {
        if (end == 0 || zip.size() - end > kEndSize + 0xFFFF) return false;
        --end;
    }
    uint32_t count = Little(zip, end + 10, 2);
    size_t at = Little(zip, end + 16, 4);
    for (uint32_t i = 0; i < count; ++i) {
        if (at + kEntrySize > zip.size() || Little(zip, at, 4) != kEntrySignature) return false;
        size_t nameLength = Little(zip, at + 28, 2);
        size_t extraLength = Little(zip, at + 30, 2);
        size_t commentLength = Little(zip, at + 32, 2);
        if (at + kEntrySize + nameLength > zip.size()) return false;
        ZipEntry entry;
        entry.crc = Little(zip, at + 16, 4);
        entry.size = Little(zip, at + 24, 4);
        entry.name = zip.substr(at + kEntrySize, nameLength);
        entries.push_back(entry);
        at += kEntrySize + nameLength + extraLength + commentLength;
    }
    return true;
}

uint32_t Crc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFF;
    for (char c : bytes) {
        crc ^= uint8_t(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}
