#include "app/pdf_output.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <fstream>

#include "platform/file_exists.h"
#include "platform/file_system.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string PdfLockFileName(const std::string& pdfFile) {
    const std::string::size_type slash = pdfFile.rfind('/');
    const std::string::size_type nameStart = slash == std::string::npos ? 0 : slash + 1;
    return pdfFile.substr(0, nameStart) + "." + pdfFile.substr(nameStart) + ".stampadoc-lock";
}

bool HasControlBytes(const std::string& pdfFile) {
    for (const char c : pdfFile)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

std::string ResolvedPdfPath(const std::string& pdfFile) {
    if (HasDirectoryEntry(pdfFile))
        return CanonicalPath(pdfFile);
    const std::string::size_type slash = pdfFile.rfind('/');
    const std::string name = slash == std::string::npos ? pdfFile : pdfFile.substr(slash + 1);
    const std::string folder = PdfFolderPart(pdfFile);
    if (name.empty() || name == "." || name == "..")
        return {};
    const std::string resolvedFolder = CanonicalPath(folder.empty() ? "." : folder);
    if (resolvedFolder.empty())
        return {};
    // A root folder ("/", "C:/") already ends in the separator.
    return resolvedFolder.back() == '/' ? resolvedFolder + name : resolvedFolder + "/" + name;
}

bool IsForeignFile(const std::string& path) {
    if (IsNonRegularFile(path))
        return true;
    if (!IsExistingFile(path))
        return false;
    std::ifstream in(path, std::ios::binary);
    std::string head(1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head.find("%PDF-") == std::string::npos && head.find("%!PS-Adobe-") == std::string::npos;
}

std::string PdfFolderPart(const std::string& pdfFile) {
    const std::string::size_type slash = pdfFile.rfind('/');
    if (slash == std::string::npos)
        return {};
    if (slash == 0 || pdfFile[slash - 1] == '/')
        return pdfFile.substr(0, slash + 1);
    return pdfFile.substr(0, slash);
}

bool EnsurePdfFolder(const std::string& pdfFile) {
    const std::string folder = PdfFolderPart(pdfFile);
    if (folder.empty() || IsEnterableFolder(folder))
        return true;
    if (!MakeFolder(folder))
        return false;
    return IsEnterableFolder(folder);
}

std::optional<int> ParseDocumentCount(const std::string& text) {
    std::string::size_type first = 0;
    std::string::size_type last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    if (first == last)
        return std::nullopt;
    int value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + last;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end || value < 0 || value == INT_MAX)
        return std::nullopt;
    return value;
}
