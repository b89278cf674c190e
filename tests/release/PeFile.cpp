// Reads the file itself rather than a loaded image, so what is checked is what a player downloads.
#include "tests/release/PeFile.h"

#include <utility>

PeFile::PeFile(std::string bytes) : bytes_(std::move(bytes)) {
    const auto* dos = At<IMAGE_DOS_HEADER>(0);
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE) return;
    const auto* headers = At<IMAGE_NT_HEADERS32>(size_t(dos->e_lfanew));
    if (!headers || headers->Signature != IMAGE_NT_SIGNATURE) return;
    // The two optional headers differ in size before the data directories; what comes before them is shared.
    if (headers->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        headers_ = headers;
    } else if (headers->OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC &&
               At<IMAGE_NT_HEADERS64>(size_t(dos->e_lfanew))) {
        headers_ = headers;
        wide_ = true;
    }
}

IMAGE_DATA_DIRECTORY PeFile::Directory(int index) const {
    if (wide_) return reinterpret_cast<const IMAGE_NT_HEADERS64*>(headers_)->OptionalHeader.DataDirectory[index];
    return headers_->OptionalHeader.DataDirectory[index];
}

size_t PeFile::Offset(uint32_t rva) const {
    if (!headers_) return std::string::npos;
    const auto* section = IMAGE_FIRST_SECTION(headers_);
    for (int i = 0; i < headers_->FileHeader.NumberOfSections; ++i, ++section) {
        if (rva >= section->VirtualAddress && rva - section->VirtualAddress < section->SizeOfRawData)
            return section->PointerToRawData + (rva - section->VirtualAddress);
    }
    return std::string::npos;
}

std::vector<std::string> PeFile::ImportedDlls() const {
    std::vector<std::string> dlls;
    size_t at = Offset(Directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress);
    // The list ends with an all-zero descriptor.
    for (const IMAGE_IMPORT_DESCRIPTOR* import; (import = At<IMAGE_IMPORT_DESCRIPTOR>(at)) && import->Name;
         at += sizeof *import) {
        size_t name = Offset(import->Name);
        if (name >= bytes_.size()) break;
        dlls.push_back(bytes_.c_str() + name);
    }
    return dlls;
}

std::vector<uint32_t> PeFile::ResourceTimeStamps() const {
    std::vector<uint32_t> stamps;
    size_t root = Offset(Directory(IMAGE_DIRECTORY_ENTRY_RESOURCE).VirtualAddress);
    if (root < bytes_.size()) CollectTimeStamps(root, root, 0, stamps);
    return stamps;
}

void PeFile::CollectTimeStamps(size_t root, size_t directory, int depth, std::vector<uint32_t>& stamps) const {
    // Type, name and language: the tree is three levels deep.
    const auto* header = At<IMAGE_RESOURCE_DIRECTORY>(directory);
    if (!header || depth > 2) return;
    stamps.push_back(header->TimeDateStamp);
    size_t count = size_t(header->NumberOfNamedEntries) + header->NumberOfIdEntries;
    for (size_t i = 0; i < count; ++i) {
        const auto* entry =
            At<IMAGE_RESOURCE_DIRECTORY_ENTRY>(directory + sizeof *header + i * sizeof(IMAGE_RESOURCE_DIRECTORY_ENTRY));
        if (entry && entry->DataIsDirectory) CollectTimeStamps(root, root + entry->OffsetToDirectory, depth + 1, stamps);
    }
}
