// A program file read from its bytes, as the loader reads its headers: for checks of what the build put into it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class PeFile {
public:
    explicit PeFile(std::string bytes);

    // False when the bytes are no PE image (32- or 64-bit).
    bool Valid() const { return headers_ != nullptr; }
    const IMAGE_FILE_HEADER& FileHeader() const { return headers_->FileHeader; }
    IMAGE_DATA_DIRECTORY Directory(int index) const;

    // The DLL names in the import directory, as written there.
    std::vector<std::string> ImportedDlls() const;
    // The time stamp of every directory of the resource tree, root first.
    std::vector<uint32_t> ResourceTimeStamps() const;

private:
    // The file offset of an address in the image; npos when no section holds it.
    size_t Offset(uint32_t rva) const;
    template <class T>
    const T* At(size_t offset) const {
        return offset <= bytes_.size() && bytes_.size() - offset >= sizeof(T)
                   ? reinterpret_cast<const T*>(bytes_.data() + offset)
                   : nullptr;
    }
    void CollectTimeStamps(size_t root, size_t directory, int depth, std::vector<uint32_t>& stamps) const;

    std::string bytes_;
    const IMAGE_NT_HEADERS32* headers_ = nullptr;
    bool wide_ = false;
};
