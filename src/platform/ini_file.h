#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Read-only INI file with the semantics of Windows private-profile reading:
// - section and key names are compared without regard to the case of ASCII letters;
// - only the first section of a given name is searched, and within it the first matching key wins;
// - names and values are trimmed of blanks and tabs, and one pair of matching quotes (double or
//   single) around a value is removed;
// - lines whose first non-blank character is ';' are comments; a ';' later in a line is part of it;
// - lines end at CR LF, LF or CR; a line without '=' inside a section is not a key;
// - a value ends at a NUL byte; string values are cut to MaxStringLength characters (the 2048-byte buffer of
// the platform call);
// - integers are decimal, or hexadecimal after "0x", "0X" or "$"; a boolean is an integer, 0 meaning false.
// A missing or unreadable file behaves as an empty one.
class TIniFile {
public:
    static constexpr std::size_t MaxStringLength = 2047;

    // Loads the whole file once; later reads do not touch the disk.
    explicit TIniFile(const std::string& fileName);

    // An INI file made from text already in memory.
    static TIniFile FromText(std::string_view text);

    // True when the file could be read.
    bool Loaded() const { return loaded_; }

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // The value of the key, or `defaultValue` (also cut to MaxStringLength) when the key is missing.
    // A key that is present with an empty value gives the empty text.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // The value read as an integer; `defaultValue` when the key is missing or its value does not read.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

    // ReadInteger with the default 1 or 0; any integer other than 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    TIniFile() = default;
    void Parse(std::string_view text);
    const Section* FindSection(std::string_view section) const;
    const Entry* FindEntry(std::string_view section, std::string_view key) const;

    std::vector<Section> sections_;
    bool loaded_ = false;
};
