#include "platform/system_currency.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <string>

namespace {

std::string& CurrencySymbol() {
    static std::string symbol;
    return symbol;
}

// The text in the given character set as Windows-1252; empty when some character has no such form.
std::string ToWindows1252(const std::string& text, const char* codeset) {
    if (text.empty())
        return {};
    const iconv_t converter = iconv_open("WINDOWS-1252", codeset);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string input = text;
    std::string output(text.size(), '\0'); // one byte per character at most
    char* in = input.data();
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    const size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
    iconv_close(converter);
    if (converted == static_cast<size_t>(-1) || inLeft != 0)
        return {};
    output.resize(output.size() - outLeft);
    return output;
}

} // namespace

void InitCurrencySymbolFromLocale() {
    std::string symbol;
    const locale_t locale = newlocale(LC_MONETARY_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (locale != static_cast<locale_t>(nullptr)) {
        const char* text = nl_langinfo_l(CURRENCY_SYMBOL, locale);
        const char* codeset = nl_langinfo_l(CODESET, locale);
        if (text != nullptr && codeset != nullptr)
            symbol = ToWindows1252(text, codeset);
        freelocale(locale);
    }
    CurrencySymbol() = symbol;
}

const std::string& SystemCurrencySymbol() {
    return CurrencySymbol();
}
