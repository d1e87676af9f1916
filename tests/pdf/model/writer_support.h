#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

// Helpers shared by the model, writer, font and text tests.
namespace pdftest {

struct ToolResult {
    int status = -1;
    std::string output;
};

// Runs a shell command and collects its standard output (standard error joined).
inline ToolResult RunTool(const std::string& command) {
    ToolResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.output.append(buffer, got);
    int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
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
    ScratchDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "stampadoc-pdf-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path = pattern;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    std::filesystem::path path;
};

// Checks a PDF file with qpdf and poppler; returns an empty text when both accept it.
inline std::string CheckWithTools(const std::filesystem::path& file) {
    std::string quoted = "'" + file.string() + "'";
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
