#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The bytes of a file read for loading: the file mapped read-only (its pages read on first access), or
// bytes already in memory. A mapped file is opened so that others may read it but not write it.
//
// Touched pages of a mapping count as the process's memory. Readers report what they touch through
// `Visited`; past a budget the mapping's memory is given back (the bytes stay readable and are read
// from the file again when needed), so that a large file costs little memory however much is read.
class MappedFile {
public:
    // Maps the regular file `fileName`; nullptr when it cannot be opened or mapped.
    static std::unique_ptr<MappedFile> Open(const std::string& fileName);
    // Bytes held in memory, for files read otherwise (and tests).
    static std::unique_ptr<MappedFile> FromBytes(std::string bytes);

    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view Bytes() const { return {data_, size_}; }
    // Memory that one read at a new place of a mapping may bring in (the system maps pages around it).
    static constexpr std::size_t kPlaceCost = std::size_t{64} << 10;

    // Counts bytes read through the mapping (a page or more each time a new place is read).
    void Visited(std::size_t bytes) const;
    // Gives back the memory of every page of the mapping.
    void ReleaseMemory() const;
    // The open file of a mapping, -1 for bytes in memory.
    int Descriptor() const { return descriptor_; }

private:
    MappedFile() = default;

    const char* data_ = nullptr;
    std::size_t size_ = 0;
    int descriptor_ = -1;
    bool mapped_ = false;
    std::string owned_;
    mutable std::size_t visitedSinceRelease_ = 0;
};
