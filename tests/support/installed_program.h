#pragma once

// A built program copied into a temporary folder of its own, with the halftone bitmap of the source tree
// beside it. Tests run such a copy, never the program in the build folder, so that nothing left beside
// the built program (an INI file of the demo, say) changes what they see. The folder is removed with
// the object.

#include "support/program_run.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

class InstalledProgram {
public:
    // Copies STAMPADOC_BIN_DIR/name (with the platform's executable suffix) into a new temporary folder;
    // path() is empty when that fails.
    explicit InstalledProgram(const std::string& name) {
        namespace fs = std::filesystem;
        folder_ = NewScratchFolder("stampadoc-program");
        if (folder_.empty())
            return;
        const std::string file = ExecutableFileName(name);
        std::error_code error;
        const fs::path built = fs::path(STAMPADOC_BIN_DIR) / file;
        fs::create_hard_link(built, folder_ / file, error);
        if (error && !fs::copy_file(built, folder_ / file, error))
            return;
        fs::copy_file(fs::path(STAMPADOC_SOURCE_DIR) / "src/layout/retino.bmp", folder_ / "retino.bmp",
                      error);
        program_ = folder_ / file;
    }
    ~InstalledProgram() {
        std::error_code ignored;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ignored);
    }
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;

    const std::filesystem::path& path() const { return program_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Writes the INI file the program reads: its own name with the extension ".INI".
    void WriteIni(const std::string& text) const {
        std::ofstream(folder_ / (program_.stem().string() + ".INI"), std::ios::binary) << text;
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path program_;
};
