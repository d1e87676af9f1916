#include "pdf/model/document.h"
#include "pdf/text/font.h"
#include "pdf/text/standard_font_widths.h"

std::unique_ptr<TPDFFont> CreateStandardFont(TPDFDocument& document, int index) {
    if (index < 0 || index >= StandardFontCount)
        return nullptr;
    const TStandardFontMetrics& metrics = StandardFontMetrics[static_cast<std::size_t>(index)];
    const auto& widthTable = StandardFontWidths[static_cast<std::size_t>(index)];
    TPDFStructure& structure = document.structure;

    auto font = std::make_unique<TPDFFont>();
    font->resourceName = "RuvoF" + document.ResourceNameSuffix();
    font->baseFont = metrics.baseFont;
    font->kind = TPDFFont::StandardType1Kind;
    font->standardIndex = index;

    TPDFDictionary* dictionary = structure.NewDictionary();
    dictionary->Set("Type", structure.NewName("Font"));
    dictionary->Set("Subtype", structure.NewName("Type1"));
    dictionary->Set("BaseFont", structure.NewName(metrics.baseFont));
    if (metrics.winAnsiEncoded)
        dictionary->Set("Encoding", structure.NewName("WinAnsiEncoding"));
    font->dictionary = dictionary;

    font->firstChar = metrics.firstChar;
    font->lastChar = metrics.lastChar;
    for (int code = metrics.firstChar; code <= metrics.lastChar; ++code)
        font->widths.push_back(widthTable[static_cast<std::size_t>(code)]);
    font->boxLeft = metrics.boxLeft;
    font->boxBottom = metrics.boxBottom;
    font->boxRight = metrics.boxRight;
    font->boxTop = metrics.boxTop;
    font->ascent = metrics.ascent;
    font->descent = metrics.descent;

    font->reference = document.Register(dictionary);
    return font;
}
