#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pdf/model/object.h"

class TPDFDocument;

// One font resource of a document.
class TPDFFont {
public:
    static constexpr int StandardType1Kind = 1;

    std::string resourceName; // "RuvoF" + resource-name suffix
    std::string baseFont;
    int kind = StandardType1Kind;
    int standardIndex = -1; // 0 to 13 for the standard fonts
    int firstChar = 0;
    int lastChar = -1;
    std::vector<int> widths; // widths[code - firstChar], 1/1000 text-space units
    int boxLeft = 0, boxBottom = 0, boxRight = 0, boxTop = 0;
    int ascent = 0, descent = 0;
    TPDFDictionary* dictionary = nullptr;
    TPDFIndRef reference; // the indirect object that holds the dictionary

    // Width of one code in 1/1000 units; 0 outside the covered range.
    int CodeWidth(unsigned char code) const;
    // Sum of the code widths of a text, 1/1000 units.
    long long TextWidthUnits(std::string_view text) const;
    // Keeps only the codes the font can draw (in range, width above 0).
    std::string Filter(std::string_view text) const;
};

// Creates standard font `index` (0 to 13) for a document: resource name, dictionary registered as an
// indirect object, width table and metrics. nullptr for an index out of range. The caller adds it to the
// document's font list.
std::unique_ptr<TPDFFont> CreateStandardFont(TPDFDocument& document, int index);
