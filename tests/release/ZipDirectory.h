// The table of contents of a zip, read from its central directory the way an unzip tool reads it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ZipEntry {
    std::string name;
    uint32_t crc = 0;
    uint32_t size = 0;
};

// False when the bytes hold no well-formed central directory.
bool ReadZipDirectory(const std::string& zip, std::vector<ZipEntry>& entries);

// The CRC-32 that a zip stores for the contents of each file.
uint32_t Crc32(const std::string& bytes);
