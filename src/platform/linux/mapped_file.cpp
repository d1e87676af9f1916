#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<MappedFile> MappedFile::Open(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    std::unique_ptr<MappedFile> file(new MappedFile());
    file->descriptor_ = fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0)
        return nullptr;
    file->size_ = static_cast<std::size_t>(info.st_size);
    if (file->size_ == 0)
        return file;
    void* data = ::mmap(nullptr, file->size_, PROT_READ, MAP_PRIVATE, fd, 0);
    if (data == MAP_FAILED)
        return nullptr;
    file->data_ = static_cast<const char*>(data);
    file->mapped_ = true;
    return file;
}

MappedFile::~MappedFile() {
    if (mapped_)
        ::munmap(const_cast<char*>(data_), size_);
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void MappedFile::ReleaseMemory() const {
    visitedSinceRelease_ = 0;
    // The mapping is read-only and private: its pages are never dirty, so dropping them loses nothing.
    if (mapped_)
        ::madvise(const_cast<char*>(data_), size_, MADV_DONTNEED);
}
