#include "pdf/render/standard_font_names.h"

#include <string>

namespace {

enum class Family { Courier, Helvetica, Times, Symbol, Dingbats, Unknown };

// Lower-case letters and digits of the name without its subset prefix, and its style part: what follows
// the first ',' or '-' (so "Arial,BoldItalic" gives "arial" and "bolditalic").
void SplitName(std::string_view name, std::string& family, std::string& style) {
    if (name.size() > 7 && name[6] == '+') {
        bool prefix = true;
        for (std::size_t i = 0; i < 6; ++i)
            prefix = prefix && name[i] >= 'A' && name[i] <= 'Z';
        if (prefix)
            name.remove_prefix(7);
    }
    std::string* part = &family;
    for (char c : name) {
        if ((c == ',' || c == '-') && part == &family) {
            part = &style;
            continue;
        }
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            part->push_back(c);
    }
}

bool EndsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void RemoveTail(std::string& text, std::string_view tail) {
    if (EndsWith(text, tail))
        text.resize(text.size() - tail.size());
}

bool Contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

// The family of an exact standard name or alias, Unknown for others.
Family AliasFamily(std::string family) {
    RemoveTail(family, "mt");
    RemoveTail(family, "ps");
    if (family == "courier" || family == "couriernew")
        return Family::Courier;
    if (family == "helvetica" || family == "arial")
        return Family::Helvetica;
    if (family == "times" || family == "timesroman" || family == "timesnewroman")
        return Family::Times;
    if (family == "symbol")
        return Family::Symbol;
    if (family == "zapfdingbats" || family == "dingbats")
        return Family::Dingbats;
    return Family::Unknown;
}

// Bold and italic words of a name's style part (or of the whole name).
bool NamesBold(const std::string& text) {
    return Contains(text, "bold") || Contains(text, "black") || Contains(text, "heavy") ||
           Contains(text, "demi") || Contains(text, "semibold");
}

bool NamesItalic(const std::string& text) {
    return Contains(text, "italic") || Contains(text, "oblique") || Contains(text, "slanted") ||
           text == "it" || EndsWith(text, "boldit") || text == "mtit";
}

int IndexOf(Family family, bool bold, bool italic) {
    switch (family) {
    case Family::Courier:
        return bold ? (italic ? 2 : 1) : (italic ? 3 : 0);
    case Family::Times:
        return bold ? (italic ? 11 : 9) : (italic ? 10 : 8);
    case Family::Symbol:
        return 12;
    case Family::Dingbats:
        return 13;
    default:
        return bold ? (italic ? 6 : 5) : (italic ? 7 : 4);
    }
}

} // namespace

int StandardFontIndexOfAlias(std::string_view baseFont) {
    std::string family;
    std::string style;
    SplitName(baseFont, family, style);
    const Family known = AliasFamily(family);
    if (known == Family::Unknown)
        return -1;
    return IndexOf(known, NamesBold(style), NamesItalic(style));
}

int NearestStandardFontIndex(std::string_view baseFont, int descriptorFlags) {
    const int alias = StandardFontIndexOfAlias(baseFont);
    if (alias >= 0)
        return alias;
    std::string family;
    std::string style;
    SplitName(baseFont, family, style);
    const std::string whole = family + style;
    Family guess = Family::Helvetica;
    if (Contains(whole, "symbol"))
        guess = Family::Symbol;
    else if (Contains(whole, "dingbat"))
        guess = Family::Dingbats;
    else if (Contains(whole, "courier") || Contains(whole, "mono") || Contains(whole, "consol") ||
             Contains(whole, "typewriter") || (descriptorFlags & kFontFlagFixedPitch) != 0)
        guess = Family::Courier;
    else if (!Contains(whole, "sans") &&
             (Contains(whole, "times") || Contains(whole, "roman") || Contains(whole, "serif") ||
              Contains(whole, "georgia") || Contains(whole, "garamond") || Contains(whole, "cambria") ||
              Contains(whole, "palatino") || Contains(whole, "bookman") || Contains(whole, "century") ||
              (descriptorFlags & kFontFlagSerif) != 0))
        guess = Family::Times;
    const bool bold = NamesBold(whole) || (descriptorFlags & kFontFlagForceBold) != 0;
    const bool italic = NamesItalic(style) || Contains(whole, "italic") || Contains(whole, "oblique") ||
                        (descriptorFlags & kFontFlagItalic) != 0;
    return IndexOf(guess, bold, italic);
}
