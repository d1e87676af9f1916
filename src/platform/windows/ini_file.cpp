#include "platform/ini_file.h"

#include <cstdio>
#include <windows.h>

namespace {

// A private-profile call that fills a buffer with zero-separated names, retried with a larger buffer
// while the answer was cut short (the call then answers the buffer size minus 2).
template <typename Call> std::vector<std::string> NameList(Call call) {
    std::vector<char> buffer(4096);
    for (;;) {
        const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length + 2 < buffer.size() || buffer.size() >= (std::size_t{64} << 20)) {
            std::vector<std::string> names;
            for (std::size_t at = 0; at < length && buffer[at] != '\0';) {
                names.emplace_back(buffer.data() + at);
                at += names.back().size() + 1;
            }
            return names;
        }
        buffer.resize(buffer.size() * 4);
    }
}

// The full path: a bare file name would be looked for in the Windows folder.
std::string FullPathName(const std::string& fileName) {
    char full[MAX_PATH * 4] = {};
    const DWORD length = GetFullPathNameA(fileName.c_str(), sizeof full, full, nullptr);
    return length > 0 && length < sizeof full ? std::string(full, length) : fileName;
}

} // namespace

// Every section, key and value is read once through Windows' private-profile functions, so that their
// rules (quotes, comments, case, duplicates, the value buffer) hold as Windows applies them.
TIniFile::TIniFile(const std::string& fileName) {
    if (fileName.empty())
        return;
    const std::string path = FullPathName(fileName);
    if (FILE* probe = std::fopen(path.c_str(), "rb"))
        std::fclose(probe);
    else
        return;
    loaded_ = true;
    const char* file = path.c_str();
    const auto sectionNames = NameList(
        [&](char* buffer, DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, file); });
    for (const std::string& section : sectionNames) {
        Section entries{section, {}};
        const auto keys = NameList([&](char* buffer, DWORD size) {
            return GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer, size, file);
        });
        for (const std::string& key : keys) {
            char value[MaxStringLength + 1] = {};
            const DWORD length =
                GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, file);
            entries.entries.push_back(Entry{key, std::string(value, length)});
        }
        sections_.push_back(std::move(entries));
    }
}
