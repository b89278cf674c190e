// mount and umount are Unix programs that Wine starts without a handle to wait on: the disk's size shows their effect.
#include "tests/save/SmallDisk.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/Paths.h"
#include "tests/support/UnixCommand.h"
#include "tests/support/Wait.h"

namespace {

void Unmount(const std::string& unixFolder) { RunUnix("/bin/umount -l \"" + unixFolder + "\""); }

}  // namespace

SmallDisk::SmallDisk(const std::string& folder, uint64_t bytes) : folder_(folder), bytes_(bytes) {
    CreateDirectoryA(folder_.c_str(), nullptr);
    std::string unixFolder = UnixPathOf(folder_);
    if (unixFolder.empty()) {
        ADD_FAILURE() << "no Unix path for " << folder_ << ": a disk of its own needs Wine";
        return;
    }
    // One left mounted by a run that was ended.
    if (Mounted()) {
        Unmount(unixFolder);
        EXPECT_TRUE(WaitUntil([&] { return !Mounted(); })) << "an earlier disk stays mounted at " << folder_;
    }
    RunUnix("/bin/mount -t tmpfs -o size=" + std::to_string(bytes_) + ",mode=0755 tmpfs \"" + unixFolder + "\"");
    EXPECT_TRUE(WaitUntil([&] { return Mounted(); }, 10000))
        << "could not mount a tmpfs of " << bytes_ << " bytes at " << unixFolder << " (the tests run as root)";
}

SmallDisk::~SmallDisk() {
    if (!Mounted()) return;
    Unfill();
    Unmount(UnixPathOf(folder_));
    EXPECT_TRUE(WaitUntil([&] { return !Mounted(); })) << folder_ << " stays mounted";
}

uint64_t SmallDisk::TotalBytes() const {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA((folder_ + "\\").c_str(), &available, &total, &free)) return 0;
    return total.QuadPart;
}

bool SmallDisk::Mounted() const { return TotalBytes() == bytes_; }

uint64_t SmallDisk::FreeBytes() const {
    ULARGE_INTEGER available{}, total{}, free{};
    GetDiskFreeSpaceExA((folder_ + "\\").c_str(), &available, &total, &free);
    return available.QuadPart;
}

bool SmallDisk::FillLeaving(uint64_t bytes) const {
    Unfill();
    uint64_t free = FreeBytes();
    if (free < bytes) return false;
    if (free > bytes && !WriteFileBytes(folder_ + "\\filler", std::string(size_t(free - bytes), 'f'))) return false;
    return FreeBytes() == bytes;
}

void SmallDisk::Unfill() const { DeleteFileA((folder_ + "\\filler").c_str()); }
