#include "platform/mapped_file.h"

// What mapped files and bytes in memory share on every platform.

namespace {

// Memory a mapping may hold before it is given back. A read brings in up to 64 KB around it.
constexpr std::size_t kResidentBudget = std::size_t{24} << 20;

} // namespace

std::unique_ptr<MappedFile> MappedFile::FromBytes(std::string bytes) {
    std::unique_ptr<MappedFile> file(new MappedFile());
    file->owned_ = std::move(bytes);
    file->data_ = file->owned_.data();
    file->size_ = file->owned_.size();
    return file;
}

void MappedFile::Visited(std::size_t bytes) const {
    if (!mapped_)
        return;
    visitedSinceRelease_ += bytes;
    if (visitedSinceRelease_ > kResidentBudget)
        ReleaseMemory();
}
