#pragma once

// Helpers of the print run tests: temporary folders, files, external tools and the test invoice.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace print_run_test {

// A fresh folder under the temporary directory, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "print_run_XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// Runs a shell command and answers its standard output; exitStatus receives the exit status.
inline std::string RunCommand(const std::string& command, int* exitStatus = nullptr) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return output;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    if (exitStatus)
        *exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

inline std::string Quoted(const std::string& path) {
    return "'" + path + "'";
}

// The entries pdfinfo shows for a PDF file, custom entries included ("Pages", "Title", ...).
inline std::map<std::string, std::string> PdfInfo(const std::string& pdf) {
    std::map<std::string, std::string> entries;
    std::istringstream lines(RunCommand("pdfinfo -enc Latin1 " + Quoted(pdf) +
                                        " 2>/dev/null; pdfinfo -custom -enc Latin1 " + Quoted(pdf) +
                                        " 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line)) {
        const size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const size_t value = line.find_first_not_of(' ', colon + 1);
        entries[line.substr(0, colon)] = value == std::string::npos ? std::string() : line.substr(value);
    }
    return entries;
}

inline int PdfPages(const std::string& pdf) {
    const auto info = PdfInfo(pdf);
    const auto found = info.find("Pages");
    return found == info.end() ? -1 : std::atoi(found->second.c_str());
}

inline bool QpdfCheckPasses(const std::string& pdf) {
    int status = -1;
    RunCommand("qpdf --check " + Quoted(pdf) + " >/dev/null 2>&1", &status);
    return status == 0;
}

// The test invoice, several pages long, with its line 97 naming pdfFile.
inline std::string InvoiceText(const std::string& pdfFile) {
    std::string text = ReadFile(std::string(STAMPADOC_TEST_DATA) + "/print_run/fattura.txt");
    const std::string placeholder = "\"97\",\"USCITA.PDF\"";
    const size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), "\"97\",\"" + pdfFile + "\"");
    return text;
}

inline std::string CreditLineText() {
    return "Stampato con Marvendo - Pentacor srl - Padova - www.pentacor.it";
}

// Every "N G obj ... endobj" of a PDF file written by this program, keyed by "N G".
inline std::map<std::string, std::string> IndirectObjects(const std::string& bytes) {
    std::map<std::string, std::string> objects;
    size_t at = 0;
    while ((at = bytes.find(" obj", at)) != std::string::npos) {
        size_t start = bytes.rfind('\n', at);
        start = start == std::string::npos ? 0 : start + 1;
        const size_t end = bytes.find("endobj", at);
        if (end == std::string::npos)
            break;
        objects[bytes.substr(start, at - start)] = bytes.substr(start, end + 6 - start);
        at = end + 6;
    }
    return objects;
}

} // namespace print_run_test
