#include "docdata/code_tables.h"

#include "util/numbers.h"
#include "util/strings.h"

namespace {

constexpr const char* KindLetters = "SRFABIOP";

char FirstChar(const std::string& text) {
    return text.empty() ? '\0' : text[0];
}

} // namespace

TDocKind DecodeDocKind(const std::string& letter) {
    const char first = FirstChar(letter);
    if (first == '\0')
        return 0;
    for (int kind = 1; kind <= 8; ++kind)
        if (KindLetters[kind - 1] == first)
            return static_cast<TDocKind>(kind);
    return 0;
}

TDocKind TranslateFileDocType(const std::string& letter) {
    const char first = FirstChar(letter);
    if (first == 'I')
        return DecodeDocKind("A");
    if (first == 'C')
        return DecodeDocKind("I");
    return DecodeDocKind(letter);
}

std::string DocKindLetter(int kind) {
    if (kind < 1 || kind > 8)
        return {};
    return std::string(1, KindLetters[kind - 1]);
}

uint8_t DecodePriceKind(const std::string& text) {
    // The file value becomes a letter first ("1" S, "2" P, else N), and N reads 1, P 2, anything else 0.
    const char letter = text == "1" ? 'S' : (text == "2" ? 'P' : 'N');
    if (letter == 'N')
        return 1;
    if (letter == 'P')
        return 2;
    return 0;
}

uint8_t DecodePricesIncludeVat(const std::string& text) {
    return UpperAscii(text) == "L" ? 1 : 0;
}

uint8_t DecodeTransportBy(const std::string& text) {
    const std::string code = TrimControl(text);
    if (code == "V")
        return 1;
    if (code == "M")
        return 2;
    if (code == "D")
        return 3;
    if (code == "A")
        return 4;
    return 0;
}

std::string TransportByCaption(int transportBy, const std::string& meansText) {
    switch (transportBy) {
    case 2:
        return "MITTENTE";
    case 3:
        return "DESTINATARIO";
    case 4:
        return meansText;
    default:
        return {};
    }
}

int ClassifyTaxClass(const std::string& taxClass) {
    if (taxClass == "T")
        return 3;
    if (taxClass.find("C13") != std::string::npos)
        return 2;
    if (taxClass.find("E24") != std::string::npos)
        return 1;
    return 0;
}

bool IsKindGroupSR(int kind) {
    return kind == 1 || kind == 2;
}
bool IsKindGroupFA(int kind) {
    return kind == 3 || kind == 4;
}
bool IsKindGroupSRFA(int kind) {
    return kind >= 1 && kind <= 4;
}
bool IsKindGroupAB(int kind) {
    return kind == 4 || kind == 5;
}
bool IsKindGroupIOP(int kind) {
    return kind >= 6 && kind <= 8;
}
bool IsKindF(int kind) {
    return kind == 3;
}
bool IsKindA(int kind) {
    return kind == 4;
}
bool IsKindB(int kind) {
    return kind == 5;
}

bool IsBlankCode(const std::string& code) {
    return TrimControl(code).empty();
}

bool IsArticleCode(const std::string& code) {
    const char first = FirstChar(TrimControl(code));
    return (first >= 'A' && first <= 'Z') || (first >= '0' && first <= '9');
}

bool IsPercentLine(const std::string& code) {
    return FirstChar(TrimControl(code)) == '%';
}
bool IsDashLine(const std::string& code) {
    return FirstChar(TrimControl(code)) == '-';
}
bool IsColonLine(const std::string& code) {
    return FirstChar(TrimControl(code)) == ':';
}
bool IsEqualsLine(const std::string& code) {
    return TrimControl(code) == "=";
}
bool IsArrowLine(const std::string& code) {
    return FirstChar(TrimControl(code)) == '>';
}

bool IsArrowKindLine(const std::string& code) {
    const std::string trimmed = TrimControl(code);
    if (trimmed.size() != 2 || trimmed[0] != '>')
        return false;
    const char kind = trimmed[1];
    return kind == 'F' || kind == 'I' || kind == 'O' || kind == 'U' || kind == 'V';
}

bool IsSpecialLine(const std::string& code) {
    return IsDashLine(code) || IsColonLine(code) || IsArticleCode(code) || IsBlankCode(code) ||
           IsPercentLine(code) || IsEqualsLine(code) || IsArrowKindLine(code);
}

bool IsShortNumeric(const std::string& text, bool allowLeadingN) {
    std::string trimmed = TrimControl(text);
    if (allowLeadingN && !trimmed.empty() && trimmed[0] == 'N')
        trimmed.erase(0, 1);
    if (trimmed.empty() || trimmed.size() > 4)
        return false;
    const char separator = GetDecimalSeparator();
    for (char c : trimmed)
        if (!((c >= '0' && c <= '9') || c == separator))
            return false;
    return true;
}
