// Free space and the unit a file grows by, for the room checks of a save.
#include "config/DiskRoom.h"

#include <windows.h>

DiskRoom RoomIn(const std::wstring& folder) {
    DiskRoom room;
    ULARGE_INTEGER free;
    if (!GetDiskFreeSpaceExW(folder.c_str(), &free, nullptr, nullptr)) return room;
    room.known = true;
    room.freeBytes = free.QuadPart;
    DWORD sectors = 0, bytes = 0, freeClusters = 0, clusters = 0;
    if (GetDiskFreeSpaceW(folder.c_str(), &sectors, &bytes, &freeClusters, &clusters))
        room.clusterBytes = uint64_t(sectors) * bytes;
    return room;
}
