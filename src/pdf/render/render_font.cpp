#include "pdf/render/render_font.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "pdf/model/document.h"
#include "pdf/render/glyph_names.h"
#include "pdf/render/glyph_tables.h"
#include "pdf/render/standard_font_names.h"
#include "pdf/text/standard_font_widths.h"

namespace {

// Entries of /Differences kept at most: more than the 256 codes cannot mean anything.
constexpr std::size_t kMaxDifferences = 4096;

using GlyphNames = std::array<std::string_view, 256>;

GlyphNames NamesOf(const std::array<const char*, 256>& table) {
    GlyphNames names;
    for (std::size_t code = 0; code < 256; ++code)
        names[code] = table[code] ? std::string_view(table[code]) : std::string_view();
    return names;
}

// The table of a named encoding; false for names that are no encoding known here.
bool NamedEncoding(std::string_view name, GlyphNames& names) {
    if (name == "WinAnsiEncoding")
        names = NamesOf(WinAnsiEncodingNames);
    else if (name == "MacRomanEncoding")
        names = NamesOf(MacRomanEncodingNames);
    else if (name == "StandardEncoding")
        names = NamesOf(StandardEncodingNames);
    else
        return false;
    return true;
}

double Number(TPDFDocument& document, TPDFObject* value, double fallback) {
    TPDFNumeric* number = AsNumeric(document.Resolve(value));
    return number && std::isfinite(number->value) && std::fabs(number->value) < 1e9 ? number->value
                                                                                    : fallback;
}

// Width of a glyph name in a standard font, 1/1000 em; -1 when the tables do not have it.
int StandardGlyphWidth(int standardIndex, std::string_view name) {
    if (standardIndex < 0 || standardIndex >= 12 || name.empty())
        return -1;
    const int code = WinAnsiCodeOfGlyphName(name);
    if (code >= 0)
        return StandardFontWidths[static_cast<std::size_t>(standardIndex)][static_cast<std::size_t>(code)];
    auto it =
        std::lower_bound(ExtraGlyphWidths.begin(), ExtraGlyphWidths.end(), name,
                         [](const ExtraGlyphWidth& entry, std::string_view key) { return entry.name < key; });
    if (it != ExtraGlyphWidths.end() && it->name == name)
        return it->widths[static_cast<std::size_t>(standardIndex)];
    return -1;
}

// Applies /Differences: a code, then names for it and the codes after it, another code, ...
void ApplyDifferences(TPDFDocument& document, TPDFArray* differences, GlyphNames& names,
                      std::array<bool, 256>& changed) {
    if (!differences)
        return;
    long code = -1;
    const std::size_t count = std::min(differences->Count(), kMaxDifferences);
    for (std::size_t i = 0; i < count; ++i) {
        TPDFObject* item = document.Resolve(differences->Item(i));
        if (TPDFNumeric* number = AsNumeric(item)) {
            code = std::isfinite(number->value) && number->value >= 0 && number->value < 256
                       ? static_cast<long>(number->value)
                       : 256;
        } else if (TPDFName* name = AsName(item)) {
            if (code >= 0 && code < 256) {
                names[static_cast<std::size_t>(code)] = name->bytes;
                changed[static_cast<std::size_t>(code)] = true;
            }
            if (code >= 0)
                ++code;
        }
    }
}

} // namespace

RenderFont LoadRenderFont(TPDFDocument& document, TPDFDictionary* font) {
    RenderFont result;
    std::string_view subtype;
    std::string_view baseFont;
    TPDFDictionary* descriptor = nullptr;
    if (font) {
        if (TPDFName* name = AsName(document.Resolve(font->Get("Subtype"))))
            subtype = name->bytes;
        if (TPDFName* name = AsName(document.Resolve(font->Get("BaseFont"))))
            baseFont = name->bytes;
        descriptor = document.ResolveDictionary(font->Get("FontDescriptor"));
    }
    const int flags = descriptor ? static_cast<int>(Number(document, descriptor->Get("Flags"), 0)) : 0;
    const int aliasIndex = StandardFontIndexOfAlias(baseFont);
    result.standardIndex = NearestStandardFontIndex(baseFont, flags);
    result.standardName = StandardFontMetrics[static_cast<std::size_t>(result.standardIndex)].baseFont;
    if (subtype == "Type0") {
        // Composite fonts (several bytes per glyph) are not drawn.
        result.drawable = false;
        return result;
    }
    result.drawable = subtype != "Type3";

    // Built-in encoding: the standard one for Latin fonts; Symbol and ZapfDingbats have their own, by code.
    const bool symbolicBuiltIn = aliasIndex >= 12 || (aliasIndex < 0 && result.standardIndex >= 12);
    const bool symbolicFlag = (flags & 4) != 0 && (flags & 32) == 0;
    GlyphNames names{};
    if (!symbolicBuiltIn)
        names = NamesOf(subtype == "TrueType" || symbolicFlag ? WinAnsiEncodingNames : StandardEncodingNames);
    std::array<bool, 256> changed{};
    TPDFObject* encoding = font ? document.Resolve(font->Get("Encoding")) : nullptr;
    if (TPDFName* name = AsName(encoding)) {
        NamedEncoding(name->bytes, names);
    } else if (TPDFDictionary* dictionary = AsDictionary(encoding)) {
        if (TPDFName* base = AsName(document.Resolve(dictionary->Get("BaseEncoding"))))
            NamedEncoding(base->bytes, names);
        ApplyDifferences(document, document.ResolveArray(dictionary->Get("Differences")), names, changed);
    }

    for (std::size_t code = 0; code < 256; ++code) {
        const std::string_view name = names[code];
        if (!name.empty())
            result.unicode[code] = UnicodeOfGlyphName(name);
        result.ansi[code] = AnsiOfUnicode(result.unicode[code]);
    }

    // Widths: the font's own, else the standard font's.
    TPDFArray* widths = font ? document.ResolveArray(font->Get("Widths")) : nullptr;
    double glyphScale = 0.001;
    if (subtype == "Type3") {
        if (TPDFArray* matrix = document.ResolveArray(font->Get("FontMatrix")))
            glyphScale = Number(document, matrix->Item(0), 0.001);
    }
    if (widths) {
        const double missing = descriptor ? Number(document, descriptor->Get("MissingWidth"), 0) : 0;
        const double first = Number(document, font->Get("FirstChar"), 0);
        for (std::size_t code = 0; code < 256; ++code) {
            const double index = static_cast<double>(code) - first;
            double width = missing;
            if (index >= 0 && index < static_cast<double>(widths->Count()))
                width = Number(document, widths->Item(static_cast<std::size_t>(index)), missing);
            result.widths[code] = width * glyphScale;
        }
        return result;
    }
    const auto& table = StandardFontWidths[static_cast<std::size_t>(result.standardIndex)];
    for (std::size_t code = 0; code < 256; ++code) {
        int width = -1;
        if (result.standardIndex >= 12 && !changed[code])
            width = table[code]; // by code in the font's own encoding
        else
            width = StandardGlyphWidth(result.standardIndex, names[code]);
        result.widths[code] = width > 0 ? width * glyphScale : 0;
    }
    return result;
}
