#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"
#include "support/shell_command.h"

// Helpers shared by the model, writer, font and text tests.
namespace pdftest {

struct ToolResult {
    int status = -1;
    std::string output;
};

// Runs a shell command and collects its standard output (standard error joined).
inline ToolResult RunTool(const std::string& command) {
    const ShellResult shell = RunShell(command + " 2>&1");
    return {shell.status, shell.output};
}

// The names in a folder, sorted.
inline std::vector<std::string> DirectoryEntries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

inline void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh directory for one test, removed when the object goes.
class ScratchDirectory {
public:
    ScratchDirectory() : path(NewScratchFolder("stampadoc-pdf")) {}
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    std::filesystem::path path;
};

// Checks a PDF file with qpdf and poppler; returns an empty text when both accept it.
inline std::string CheckWithTools(const std::filesystem::path& file) {
    const std::string quoted = ShellQuoted(file);
    ToolResult qpdf = RunTool("qpdf --check " + quoted);
    if (qpdf.status != 0 || qpdf.output.find("No syntax or stream encoding errors") == std::string::npos)
        return "qpdf: " + qpdf.output;
    ToolResult info = RunTool("pdfinfo " + quoted);
    if (info.status != 0 || info.output.find("Pages:") == std::string::npos)
        return "pdfinfo: " + info.output;
    if (info.output.find("Syntax Error") != std::string::npos ||
        info.output.find("Syntax Warning") != std::string::npos)
        return "pdfinfo: " + info.output;
    return {};
}

} // namespace pdftest
