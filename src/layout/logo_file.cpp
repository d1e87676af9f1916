#include "layout/logo_file.h"

#include <filesystem>
#include <fstream>

std::string ReadLogoFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > MaxLogoFileSize)
        return {};
    std::ifstream file(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    // Read no more than the size seen: a file that grows meanwhile is cut there.
    if (!file.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return {};
    return bytes;
}
