#include "platform/executable_path.h"

#include <unistd.h>

#include <vector>

std::string ExecutablePath() {
    // readlink does not say how long the target is: grow the buffer until the answer fits.
    for (std::size_t size = 256; size <= 65536; size *= 2) {
        std::vector<char> buffer(size);
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
    }
    return {};
}
