#include "platform/system_currency.h"

#include <windows.h>

namespace {

std::string& CurrencySymbol() {
    static std::string symbol;
    return symbol;
}

} // namespace

// The user's locale's currency symbol in the ANSI code page (the euro sign is 0x80 in Windows-1252).
void InitCurrencySymbolFromLocale() {
    char text[16] = {};
    CurrencySymbol() = GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SCURRENCY, text, sizeof text) ? text : "";
}

const std::string& SystemCurrencySymbol() {
    return CurrencySymbol();
}
