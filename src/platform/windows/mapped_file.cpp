#include "platform/mapped_file.h"

#include <windows.h>

// The file stays open (others may read it, not write it) for the life of the view; its handle is kept as
// the descriptor, in the 32 bits Windows guarantees a handle to fit. Renaming and deleting stay allowed,
// so that a save can put a new file in its place.
std::unique_ptr<MappedFile> MappedFile::Open(const std::string& fileName) {
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    std::unique_ptr<MappedFile> mapped(new MappedFile());
    mapped->descriptor_ = HandleToLong(file);
    LARGE_INTEGER size{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart < 0)
        return nullptr;
    mapped->size_ = static_cast<std::size_t>(size.QuadPart);
    if (mapped->size_ == 0)
        return mapped;
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping == nullptr)
        return nullptr;
    void* data = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    // The view keeps the mapping alive.
    CloseHandle(mapping);
    if (data == nullptr)
        return nullptr;
    mapped->data_ = static_cast<const char*>(data);
    mapped->mapped_ = true;
    return mapped;
}

MappedFile::~MappedFile() {
    if (mapped_)
        UnmapViewOfFile(data_);
    if (descriptor_ >= 0)
        CloseHandle(LongToHandle(descriptor_));
}

void MappedFile::ReleaseMemory() const {
    visitedSinceRelease_ = 0;
    // Unlocking pages that are not locked takes them out of the working set; a read-only view loses
    // nothing by it.
    if (mapped_)
        VirtualUnlock(const_cast<char*>(data_), size_);
}
