#include "platform/number_locale.h"

#include <langinfo.h>
#include <locale.h>

#include "util/numbers.h"
#include "util/strings.h"

// Read from the LC_NUMERIC category of the user's environment (LC_ALL, LC_NUMERIC, LANG). The C locale,
// or a locale that cannot be loaded, gives "." and no thousands separator.

namespace {

// The Windows-1252 character of a locale's separator text, '\0' when it has none.
char SeparatorFromLocaleText(const char* text, bool utf8) {
    if (text == nullptr || text[0] == '\0')
        return '\0';
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    if (!utf8 || bytes[0] < 0x80)
        return text[1] == '\0' ? text[0] : '\0';
    unsigned codePoint = 0;
    size_t length = 0;
    if ((bytes[0] & 0xE0) == 0xC0) {
        codePoint = bytes[0] & 0x1F;
        length = 2;
    } else if ((bytes[0] & 0xF0) == 0xE0) {
        codePoint = bytes[0] & 0x0F;
        length = 3;
    } else {
        return '\0';
    }
    for (size_t i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return '\0';
        codePoint = (codePoint << 6) | (bytes[i] & 0x3F);
    }
    if (bytes[length] != 0)
        return '\0';
    if (codePoint >= 0xA0 && codePoint <= 0xFF)
        return static_cast<char>(codePoint);
    switch (codePoint) {
    case 0x2009: // thin space
    case 0x202F: // narrow no-break space
        return static_cast<char>(0xA0);
    case 0x2019: // right single quotation mark
        return static_cast<char>(0x92);
    default:
        return '\0';
    }
}

} // namespace

void InitNumberSeparatorsFromLocale() {
    char newDecimal = '.';
    char newThousand = '\0';
    locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
    if (locale != static_cast<locale_t>(nullptr)) {
        const char* codeset = nl_langinfo_l(CODESET, locale);
        const bool utf8 = codeset != nullptr && SameTextAscii(codeset, "UTF-8");
        const char fromLocale = SeparatorFromLocaleText(nl_langinfo_l(RADIXCHAR, locale), utf8);
        if (fromLocale != '\0')
            newDecimal = fromLocale;
        newThousand = SeparatorFromLocaleText(nl_langinfo_l(THOUSEP, locale), utf8);
        freelocale(locale);
    }
    if (!SetNumberSeparators(newDecimal, newThousand))
        SetNumberSeparators('.', '\0');
}
