// A real disk that a test can fill: a small tmpfs mounted at a folder (the tests run as root).
#pragma once

#include <cstdint>
#include <string>

class SmallDisk {
public:
    // Mounts a tmpfs of that many bytes (whole pages of 4 KiB) at the folder, a Windows path it makes; see Mounted().
    SmallDisk(const std::string& folder, uint64_t bytes);
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;
    // Unmounts it; what was on it is gone.
    ~SmallDisk();

    bool Mounted() const;
    // What a program may still write there; tmpfs counts whole pages, so this is a multiple of 4 KiB.
    uint64_t FreeBytes() const;
    // Writes a file that leaves exactly that many bytes free; false when the disk has less.
    bool FillLeaving(uint64_t bytes) const;
    // Removes the file that filled it.
    void Unfill() const;

private:
    uint64_t TotalBytes() const;

    std::string folder_;
    uint64_t bytes_;
};
