#include "platform/standard_font_name.h"

#include <string>

namespace {

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

bool contains(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

} // namespace

StandardFontChoice ResolveStandardFont(std::string_view name) {
    // A subset prefix is six capitals and a plus sign.
    if (name.size() > 7 && name[6] == '+') {
        name.remove_prefix(7);
    }
    const std::string lower = lowerAscii(name);
    StandardFontChoice choice;
    if (contains(lower, "zapf") || contains(lower, "dingbat")) {
        choice.family = StandardFamily::ZapfDingbats;
        return choice;
    }
    if (contains(lower, "symbol")) {
        choice.family = StandardFamily::Symbol;
        return choice;
    }
    if (contains(lower, "courier") || contains(lower, "mono")) {
        choice.family = StandardFamily::Courier;
    } else if (contains(lower, "times") || contains(lower, "roman") || contains(lower, "serif")) {
        choice.family = StandardFamily::Times;
    }
    choice.bold = contains(lower, "bold") || contains(lower, "black") || contains(lower, "heavy");
    choice.italic = contains(lower, "italic") || contains(lower, "oblique");
    return choice;
}
