#include "support/scratch_folder.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

std::filesystem::path NewScratchFolder(const std::string& prefix) {
    // The clock and the address mixed in keep two processes apart even where random_device is weak.
    static std::mt19937_64 generator(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()) ^
        reinterpret_cast<std::uintptr_t>(&prefix));
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error)
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(generator()));
        const std::filesystem::path folder = base / (prefix + "-" + suffix);
        // create_directory answers false when the folder exists already: then another name is tried.
        if (std::filesystem::create_directory(folder, error))
            return folder;
        if (error)
            return {};
    }
    return {};
}
