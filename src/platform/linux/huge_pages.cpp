#include "platform/linux/huge_pages.h"

#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>

namespace {

constexpr std::uintptr_t kPage = 4096;
constexpr std::size_t kHugePage = 2 * 1024 * 1024;

} // namespace

void AdviseHugePages(void* data, std::size_t size) {
    const auto start = (reinterpret_cast<std::uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(kPage - 1);
    if (end > start) {
        // Only advice: without huge pages the buffer works the same.
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    }
}

char* AllocateHugePageBuffer(std::size_t size) {
    const std::size_t rounded = (size + kHugePage - 1) / kHugePage * kHugePage;
    auto* buffer = static_cast<char*>(std::aligned_alloc(kHugePage, rounded));
    if (buffer != nullptr) {
        AdviseHugePages(buffer, rounded);
    }
    return buffer;
}
