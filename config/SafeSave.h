// A save changes the settings file in one step: the writes go to a copy beside it, which takes the file's place only
// once it has been checked. Whatever happens before that, the file stays as it was.
#pragma once

#include <string>

#include "config/FileLock.h"

class SafeSave {
public:
    // Waits for other saves of the file, then copies it (a file that does not exist yet starts as no copy).
    explicit SafeSave(const std::wstring& path);
    SafeSave(const SafeSave&) = delete;
    SafeSave& operator=(const SafeSave&) = delete;
    // A copy that did not take the file's place is removed; then other saves may go on.
    ~SafeSave();

    // Where the writes go; no path at all when the save cannot go ahead, so that nothing is written.
    std::wstring CopyPath() const { return ready_ ? copy_ : std::wstring(); }

    // Checks that the copy on disk was not cut short, makes sure it is on the disk, and puts it in the file's place.
    // False when the file is left as it was.
    bool Commit();

private:
    std::wstring target_;
    std::wstring copy_;
    FileLock lock_;
    // The copy is this save's to make and remove: the lock is held and the path reachable.
    bool owner_ = false;
    bool ready_ = false;
    bool committed_ = false;
    unsigned long attributes_ = 0;
    std::wstring sectionsBefore_;
};
