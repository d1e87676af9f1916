#include "pdf/model/doc_encoding.h"

#include <array>
#include <cstdint>

namespace {

// Windows-1252 bytes whose PDFDocEncoding byte differs; every other byte is the same in both.
constexpr std::pair<uint8_t, uint8_t> kAnsiToDocPairs[] = {
    {0x1A, 0x9F}, {0x1F, 0x87}, {0x80, 0xA0}, {0x81, 0x8A}, {0x82, 0x91}, {0x83, 0x86}, {0x84, 0x8C},
    {0x85, 0x83}, {0x86, 0x81}, {0x87, 0x82}, {0x88, 0x1A}, {0x89, 0x8B}, {0x8A, 0x97}, {0x8B, 0x88},
    {0x8C, 0x96}, {0x8D, 0x93}, {0x8E, 0x99}, {0x8F, 0x94}, {0x90, 0x95}, {0x91, 0x8F}, {0x92, 0x90},
    {0x93, 0x8D}, {0x94, 0x8E}, {0x95, 0x80}, {0x96, 0x85}, {0x97, 0x84}, {0x98, 0x1F}, {0x99, 0x92},
    {0x9A, 0x9D}, {0x9B, 0x89}, {0x9D, 0xAD}, {0x9F, 0x98}, {0xA0, 0x9A}, {0xAD, 0x9B},
};

struct Tables {
    std::array<uint8_t, 256> toDoc{};
    std::array<uint8_t, 256> toAnsi{};
    Tables() {
        for (int i = 0; i < 256; ++i)
            toDoc[i] = toAnsi[i] = static_cast<uint8_t>(i);
        for (auto [ansi, doc] : kAnsiToDocPairs) {
            toDoc[ansi] = doc;
            toAnsi[doc] = ansi;
        }
    }
};

const Tables& EncodingTables() {
    static const Tables tables;
    return tables;
}

// Unicode code points of the Windows-1252 bytes 0x80 to 0x9F (0 = unassigned).
constexpr uint16_t kAnsiHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char UnicodeToAnsi(uint32_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<char>(code);
    for (int i = 0; i < 32; ++i)
        if (kAnsiHighControls[i] != 0 && kAnsiHighControls[i] == code)
            return static_cast<char>(0x80 + i);
    return '?';
}

std::string Translate(std::string_view text, const std::array<uint8_t, 256>& table) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(table[static_cast<uint8_t>(text[i])]);
    return out;
}

bool StartsWithByteOrderMark(std::string_view text) {
    return text.size() >= 2 && static_cast<uint8_t>(text[0]) == 0xFE && static_cast<uint8_t>(text[1]) == 0xFF;
}

} // namespace

std::string AnsiToPDFDocEncoding(std::string_view text) {
    return Translate(text, EncodingTables().toDoc);
}

std::string PDFDocEncodingToAnsi(std::string_view text) {
    return Translate(text, EncodingTables().toAnsi);
}

std::string PDFTextToAnsi(std::string_view text) {
    if (!StartsWithByteOrderMark(text))
        return PDFDocEncodingToAnsi(text);
    std::string out;
    std::size_t i = 2;
    while (i + 1 < text.size()) {
        uint32_t unit = static_cast<uint8_t>(text[i]) << 8 | static_cast<uint8_t>(text[i + 1]);
        i += 2;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size()) {
            uint32_t low = static_cast<uint8_t>(text[i]) << 8 | static_cast<uint8_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                i += 2;
                out += '?'; // outside the basic plane: never in Windows-1252
                continue;
            }
        }
        out += UnicodeToAnsi(unit);
    }
    return out;
}

std::string AnsiToPDFText(std::string_view text) {
    if (StartsWithByteOrderMark(text))
        return std::string(text);
    return AnsiToPDFDocEncoding(text);
}
