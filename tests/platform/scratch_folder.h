#pragma once

#include "support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

// A fresh folder under the temporary directory, removed with everything in it at the end of the test.
class ScratchFolder {
public:
    ScratchFolder() : path_(NewScratchFolder("stampadoc-test").string()) {}
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

    // The full path of a name inside the folder.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes `bytes` into the named file (folders on the way are created) and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::string full = *this / name;
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << bytes;
        return full;
    }

private:
    std::string path_;
};
