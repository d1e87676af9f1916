#include "pdf/model/page_sizes.h"

#include <string>

namespace {

struct NamedSize {
    const char* name;
    double widthMm;
    double heightMm;
};

constexpr NamedSize kPageSizes[] = {
    {"LETTER", 215.9, 279.4},
    {"LEGAL", 215.9, 355.6},
    {"STATEMENT", 139.7, 215.9},
    {"TABLOID", 279.4, 431.8},
    {"LEDGER", 431.8, 279.4},
    {"EXECUTIVE", 190.5, 254},
    {"FOLIO", 210, 330},
    {"A0", 841, 1189},
    {"A1", 594, 841},
    {"A2", 420, 594},
    {"A3", 297, 420},
    {"A4", 210, 297},
    {"A5", 148, 210},
    {"A6", 105, 148},
    {"A7", 74, 105},
    {"A8", 52, 74},
    {"A9", 37, 52},
    {"A10", 26, 37},
    {"B0", 1030, 1456},
    {"B1", 728, 1030},
    {"B2", 515, 728},
    {"B3", 364, 515},
    {"B4", 257, 364},
    {"B5", 182, 257},
    {"B6", 128, 182},
    {"B7", 91, 128},
    {"B8", 64, 91},
    {"B9", 45, 64},
    {"B10", 32, 45},
    {"ISOB0", 1000, 1414},
    {"ISOB1", 707, 1000},
    {"ISOB2", 500, 707},
    {"ISOB3", 353, 500},
    {"ISOB4", 250, 353},
    {"ISOB5", 176, 250},
    {"ISOB6", 125, 176},
    {"ISOB7", 88, 125},
    {"ISOB8", 62, 88},
    {"ISOB9", 44, 62},
    {"ISOB10", 31, 44},
    {"C0", 917, 1297},
    {"C1", 648, 917},
    {"C2", 458, 648},
    {"C3", 324, 458},
    {"C4", 229, 324},
    {"C5", 162, 229},
    {"C6", 114, 162},
    {"C7", 81, 114},
    {"DL", 110, 220},
};

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

double MillimetresToPoints(double mm) {
    return mm / 25.4 * 72;
}

} // namespace

std::optional<TPDFPageSize> LookupPageSize(std::string_view name) {
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    bool landscape = false;
    if (std::size_t at = key.find("LANDSCAPE"); at != std::string::npos) {
        key.erase(at, 9);
        landscape = true;
    }
    key = Trim(key);
    if (key == "LEDGER")
        landscape = false; // LEDGER is already the landscape form of TABLOID
    for (const NamedSize& size : kPageSizes) {
        if (key == size.name) {
            double w = MillimetresToPoints(size.widthMm);
            double h = MillimetresToPoints(size.heightMm);
            return landscape ? TPDFPageSize{h, w} : TPDFPageSize{w, h};
        }
    }
    return std::nullopt;
}
