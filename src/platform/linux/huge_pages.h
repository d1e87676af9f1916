#pragma once

#include <cstddef>

// Asks the kernel to back a large buffer with huge pages before it is first touched: a page picture of
// several megabytes then costs a few page faults instead of a thousand.
void AdviseHugePages(void* data, std::size_t size);

// A buffer of at least `size` bytes aligned to the huge page size and advised as above; free() it.
// nullptr when the memory cannot be had.
char* AllocateHugePageBuffer(std::size_t size);
