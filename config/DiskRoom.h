// What a volume has left: the profile functions report success on a full disk, so the save asks the disk itself.
#pragma once

#include <cstdint>
#include <string>

struct DiskRoom {
    // Unknown figures read as room enough: the check is left to the writes and the copy's own.
    bool known = false;
    uint64_t freeBytes = 0;
    uint64_t clusterBytes = 65536;
};

// The room on the volume holding the folder, for the calling user.
DiskRoom RoomIn(const std::wstring& folder);
