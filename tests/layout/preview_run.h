#pragma once

// Runs the layout preview program of this test run and answers its standard output.

#include "support/installed_program.h"
#include "support/program_run.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace preview_test {

namespace fs = std::filesystem;

inline const fs::path kDataDir = fs::path(STAMPADOC_TEST_DATA) / "layout";

// The preview program of this test run, in a folder of its own: no INI file lies beside it.
inline const fs::path& PreviewProgram() {
    static const InstalledProgram copy("stampadoc-preview");
    return copy.path();
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the preview with the arguments (`switches` split at blanks) and answers its standard output.
// `environment` holds variables for the program, such as {"LC_ALL", "C"}.
inline std::string RunPreview(std::vector<std::string> arguments, const std::string& switches = "",
                              const fs::path& program = PreviewProgram(),
                              const std::vector<std::pair<std::string, std::string>>& environment = {}) {
    std::istringstream words(switches);
    for (std::string word; words >> word;)
        arguments.push_back(word);
    return RunProgram(program, arguments, environment).output;
}

} // namespace preview_test
