#include "platform/ini_file.h"

#include "util/numbers.h"
#include "util/strings.h"

#include <algorithm>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view StripOneQuotePair(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string CutToMaxLength(std::string_view text) {
    return std::string(text.substr(0, std::min(text.size(), TIniFile::MaxStringLength)));
}

} // namespace

TIniFile TIniFile::FromText(std::string_view text) {
    TIniFile ini;
    ini.loaded_ = true;
    ini.Parse(text);
    return ini;
}

void TIniFile::Parse(std::string_view text) {
    // A UTF-8 byte order mark would otherwise hide a section header on the first line.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    // Index of the section that key lines belong to; none before the first header.
    std::size_t current = 0;
    bool inSection = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
        pos = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++pos;

        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string_view name =
                TrimBlanks(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
            sections_.push_back(Section{std::string(name), {}});
            current = sections_.size() - 1;
            inSection = true;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        const std::string_view key = TrimBlanks(line.substr(0, equals));
        std::string_view value = StripOneQuotePair(TrimBlanks(line.substr(equals + 1)));
        // Values travel on as C strings (fonts, file names): a NUL byte ends them.
        value = value.substr(0, value.find('\0'));
        sections_[current].entries.push_back(Entry{std::string(key), CutToMaxLength(value)});
    }
}

const TIniFile::Section* TIniFile::FindSection(std::string_view section) const {
    for (const Section& candidate : sections_) {
        if (SameTextAscii(candidate.name, section))
            return &candidate;
    }
    return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr)
        return nullptr;
    for (const Entry& entry : found->entries) {
        if (SameTextAscii(entry.key, key))
            return &entry;
    }
    return nullptr;
}

bool TIniFile::SectionExists(std::string_view section) const {
    return FindSection(section) != nullptr;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    const Entry* entry = FindEntry(section, key);
    return entry != nullptr ? entry->value : CutToMaxLength(defaultValue);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const {
    const Entry* entry = FindEntry(section, key);
    return entry != nullptr ? ParseInteger(entry->value, defaultValue) : defaultValue;
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}
