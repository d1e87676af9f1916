#include "platform/file_system.h"

#include <windows.h>

#include "platform/windows/windows_paths.h"

namespace {

DWORD Attributes(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
}

std::string FullPathName(const std::string& path) {
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return {};
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length + 1);
    }
}

} // namespace

bool IsEnterableFolder(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool HasDirectoryEntry(const std::string& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsNonRegularFile(const std::string& path) {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0;
}

bool MakeFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::string CanonicalPath(const std::string& path) {
    if (!HasDirectoryEntry(path))
        return {};
    std::string full = WithForwardSlashes(FullPathName(path));
    // "C:/folder/" names the same folder as "C:/folder"; a root keeps its separator.
    while (full.size() > 3 && full.back() == '/')
        full.pop_back();
    return full;
}

// Links on Windows (reparse points) are followed by the file functions themselves.
std::string LinkedFileName(const std::string& path) {
    return path;
}

std::string NativeFileName(const std::string& path) {
    std::string native = path;
    for (char& c : native)
        if (c == '/')
            c = '\\';
    return native;
}

std::string TemporaryFolder() {
    char folder[MAX_PATH + 2] = {};
    const DWORD length = GetTempPathA(sizeof folder, folder);
    std::string text =
        length > 0 && length < sizeof folder ? std::string(folder, length) : std::string("C:/");
    text = WithForwardSlashes(text);
    if (text.back() != '/')
        text += '/';
    return text;
}
