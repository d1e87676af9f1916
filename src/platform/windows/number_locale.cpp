#include "platform/number_locale.h"

#include <windows.h>

#include "util/numbers.h"

namespace {

// A one-character separator of the user's locale in the ANSI code page; '\0' when it has none.
char LocaleSeparator(LCTYPE item) {
    char text[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) == 0 || text[1] != '\0')
        return '\0';
    return text[0];
}

} // namespace

void InitNumberSeparatorsFromLocale() {
    char decimal = LocaleSeparator(LOCALE_SDECIMAL);
    if (decimal == '\0')
        decimal = '.';
    if (!SetNumberSeparators(decimal, LocaleSeparator(LOCALE_STHOUSAND)))
        SetNumberSeparators('.', '\0');
}
