#pragma once

// Helpers of the loading tests: PDF files assembled by hand with exact offsets, temporary folders and
// the independent command-line checkers (qpdf, pdfinfo).

#include <gtest/gtest.h>
#include <zlib.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "support/scratch_folder.h"
#include "support/shell_command.h"

namespace loadtest {

// A PDF file built object by object; offsets are recorded as the text grows.
class PdfText {
public:
    explicit PdfText(const std::string& header = "%PDF-1.4\n") : text(header) {}

    void Object(int number, const std::string& body, int generation = 0) {
        offsets[number] = text.size();
        generations[number] = generation;
        text += std::to_string(number) + " " + std::to_string(generation) + " obj\n" + body + "\nendobj\n";
    }

    void Stream(int number, const std::string& dictionaryEntries, const std::string& data) {
        Object(number, "<< " + dictionaryEntries + " /Length " + std::to_string(data.size()) +
                           " >>\nstream\n" + data + "\nendstream");
    }

    static std::string Entry(std::size_t offset, int generation, char type) {
        char line[32];
        std::snprintf(line, sizeof line, "%010zu %05d %c \n", offset, generation, type);
        return line;
    }

    // A classic table with one subsection covering 0..highest; returns the table's offset.
    std::size_t ClassicXref(const std::string& trailerEntries) {
        const std::size_t at = text.size();
        const int highest = offsets.empty() ? 0 : offsets.rbegin()->first;
        text += "xref\n0 " + std::to_string(highest + 1) + "\n";
        text += Entry(0, 65535, 'f');
        for (int n = 1; n <= highest; ++n) {
            auto it = offsets.find(n);
            text += it == offsets.end() ? Entry(0, 0, 'f') : Entry(it->second, generations[n], 'n');
        }
        text += "trailer\n<< /Size " + std::to_string(highest + 1) + " " + trailerEntries + " >>\n";
        return at;
    }

    void StartXref(std::size_t at) { text += "startxref\n" + std::to_string(at) + "\n%%EOF\n"; }

    std::string text;
    std::map<int, std::size_t> offsets;
    std::map<int, int> generations;
};

// Objects 1 to 4 of a one-page document: catalog, pages, page, content stream.
inline void AddOnePageDocument(PdfText& pdf,
                               const std::string& content = "BT /F1 12 Tf 72 700 Td (Hi) Tj ET") {
    pdf.Object(1, "<< /Type /Catalog /Pages 2 0 R >>");
    pdf.Object(2, "<< /Type /Pages /Kids [ 3 0 R ] /Count 1 >>");
    pdf.Object(3,
               "<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 595 842 ] /Contents 4 0 R /Resources << >> >>");
    pdf.Stream(4, "", content);
}

inline std::string Deflate(const std::string& data) {
    uLongf size = compressBound(data.size());
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
              data.size(), Z_DEFAULT_COMPRESSION);
    out.resize(size);
    return out;
}

// A folder removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder() : path(NewScratchFolder("stampadoc-load")) {}
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path / name).string(); }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream out(File(name), std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return File(name);
    }

    std::filesystem::path path;
};

inline std::string ReadFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file name of ours quoted for the shell, under the name the checkers see it.
inline std::string ShellQuote(const std::string& fileName) {
    return ShellQuoted(fileName);
}

// Runs a command; returns its exit status and collects its standard output.
inline int Run(const std::string& command, std::string* output = nullptr) {
    const ShellResult shell = RunShell("timeout 20 " + command + " 2>/dev/null");
    if (output)
        *output = shell.output;
    return shell.status;
}

// Exit status of `qpdf --check`: 0 clean, 3 warnings, 2 errors.
inline int QpdfCheck(const std::string& fileName) {
    return Run("qpdf --check " + ShellQuote(fileName) + " >/dev/null");
}

// Page count reported by pdfinfo, or -1.
inline int PdfinfoPages(const std::string& fileName) {
    std::string output;
    if (Run("pdfinfo " + ShellQuote(fileName), &output) != 0)
        return -1;
    const std::size_t at = output.find("\nPages:");
    if (at == std::string::npos)
        return -1;
    return std::atoi(output.c_str() + at + 7);
}

// Page count reported by `qpdf --show-npages`, or -1.
inline int QpdfPages(const std::string& fileName) {
    std::string output;
    if (Run("qpdf --show-npages " + ShellQuote(fileName), &output) != 0)
        return -1;
    return std::atoi(output.c_str());
}

} // namespace loadtest
