#include "pdf/render/glyph_names.h"

#include <string>
#include <unordered_map>
#include <utility>

#include "pdf/render/glyph_tables.h"
#include "platform/font_cp1252.h"

namespace {

// Characters of the glyphs outside WinAnsiEncoding that the encodings or common producers use.
constexpr std::pair<const char*, char32_t> kOtherGlyphs[] = {
    {"Delta", 0x2206},        {"Lslash", 0x0141},      {"Omega", 0x2126},     {"apple", 0xF8FF},
    {"approxequal", 0x2248},  {"breve", 0x02D8},       {"caron", 0x02C7},     {"dotaccent", 0x02D9},
    {"dotlessi", 0x0131},     {"fi", 0xFB01},          {"fl", 0xFB02},        {"ff", 0xFB00},
    {"ffi", 0xFB03},          {"ffl", 0xFB04},         {"fraction", 0x2044},  {"greaterequal", 0x2265},
    {"hungarumlaut", 0x02DD}, {"infinity", 0x221E},    {"integral", 0x222B},  {"lessequal", 0x2264},
    {"lozenge", 0x25CA},      {"lslash", 0x0142},      {"minus", 0x2212},     {"notequal", 0x2260},
    {"ogonek", 0x02DB},       {"partialdiff", 0x2202}, {"pi", 0x03C0},        {"product", 0x220F},
    {"radical", 0x221A},      {"ring", 0x02DA},        {"summation", 0x2211}, {"nbspace", 0x00A0},
    {"sfthyphen", 0x00AD},    {"middot", 0x00B7},      {"overscore", 0x00AF}, {"Ohm", 0x2126},
};

// Glyph name to character and to WinAnsi code, built once from the tables.
struct GlyphNameIndex {
    std::unordered_map<std::string_view, char32_t> characters;
    std::unordered_map<std::string_view, int> winAnsiCodes;

    GlyphNameIndex() {
        for (int code = 0; code < 256; ++code) {
            if (const char* name = WinAnsiEncodingNames[static_cast<std::size_t>(code)]) {
                winAnsiCodes.emplace(name, code);
                characters.emplace(name, cp1252ToUnicode(static_cast<unsigned char>(code)));
            }
        }
        for (const auto& [name, character] : kOtherGlyphs)
            characters.emplace(name, character);
    }
};

const GlyphNameIndex& Index() {
    static const GlyphNameIndex index;
    return index;
}

// Hexadecimal digits to a number; -1 when a character is no digit.
long HexValue(std::string_view digits) {
    long value = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool IsCharacter(long value) {
    return value > 0 && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
}

} // namespace

char32_t UnicodeOfGlyphName(std::string_view name) {
    // A suffix after a period names a variant of the same character ("a.sc").
    if (const std::size_t dot = name.find('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    const auto& characters = Index().characters;
    if (auto it = characters.find(name); it != characters.end())
        return it->second;
    if (name.size() == 7 && name.substr(0, 3) == "uni") {
        const long value = HexValue(name.substr(3));
        return IsCharacter(value) ? static_cast<char32_t>(value) : 0;
    }
    if (name.size() >= 5 && name.size() <= 7 && name[0] == 'u') {
        const long value = HexValue(name.substr(1));
        return IsCharacter(value) ? static_cast<char32_t>(value) : 0;
    }
    return 0;
}

std::uint8_t AnsiOfUnicode(char32_t character) {
    if (character == 0 || character > 0xFFFF)
        return 0;
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<std::uint8_t>(character);
    for (int byte = 0x80; byte <= 0x9F; ++byte)
        if (cp1252ToUnicode(static_cast<unsigned char>(byte)) == character)
            return static_cast<std::uint8_t>(byte);
    return 0;
}

int WinAnsiCodeOfGlyphName(std::string_view name) {
    const auto& codes = Index().winAnsiCodes;
    auto it = codes.find(name);
    return it == codes.end() ? -1 : it->second;
}
