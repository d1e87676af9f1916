#include "util/numbers.h"

#include <charconv>
#include <cmath>

#include "util/strings.h"

namespace {

char decimalSeparator = '.';
char thousandSeparator = '\0';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The decimal digits of a value: Value = 0.Digits x 10^Exponent, no leading or trailing zeros in Digits
// (empty for zero).
struct DecimalDigits {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// Value rounded to 15 significant digits.
DecimalDigits SignificantDigits(double value) {
    DecimalDigits result;
    result.Negative = std::signbit(value);
    if (value == 0)
        return result;
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    if (error != std::errc())
        return result;
    std::string text(buffer, end); // d.dddddddddddddde+XX
    const size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    for (size_t i = 0; i < e; ++i)
        if (IsDigit(text[i]))
            result.Digits += text[i];
    while (!result.Digits.empty() && result.Digits.back() == '0')
        result.Digits.pop_back();
    result.Exponent = exponent + 1;
    return result;
}

// Rounds to Decimals decimals, half away from zero on the decimal digits.
void RoundToDecimals(DecimalDigits& number, int decimals) {
    const long long keep = static_cast<long long>(number.Exponent) + decimals;
    if (keep < 0) {
        number.Digits.clear();
        return;
    }
    if (keep >= static_cast<long long>(number.Digits.size()))
        return;
    const bool roundUp = number.Digits[static_cast<size_t>(keep)] >= '5';
    number.Digits.resize(static_cast<size_t>(keep));
    if (roundUp) {
        size_t i = number.Digits.size();
        while (i > 0 && number.Digits[i - 1] == '9') {
            number.Digits[i - 1] = '0';
            --i;
        }
        if (i == 0) {
            number.Digits.insert(number.Digits.begin(), '1');
            ++number.Exponent;
        } else {
            ++number.Digits[i - 1];
        }
    }
    while (!number.Digits.empty() && number.Digits.back() == '0')
        number.Digits.pop_back();
}

char DigitAt(const DecimalDigits& number, long long index) {
    if (index < 0 || index >= static_cast<long long>(number.Digits.size()))
        return '0';
    return number.Digits[static_cast<size_t>(index)];
}

std::string GroupThousands(const std::string& integerDigits) {
    if (thousandSeparator == '\0' || integerDigits.size() <= 3)
        return integerDigits;
    std::string grouped;
    const size_t first = integerDigits.size() % 3 == 0 ? 3 : integerDigits.size() % 3;
    grouped.append(integerDigits, 0, first);
    for (size_t i = first; i < integerDigits.size(); i += 3) {
        grouped += thousandSeparator;
        grouped.append(integerDigits, i, 3);
    }
    return grouped;
}

// Exponent form with 15 significant digits: d,ddddddddddddddE+x.
std::string FormatScientific(const DecimalDigits& number) {
    std::string text = number.Negative ? "-" : "";
    text += DigitAt(number, 0);
    text += decimalSeparator;
    for (long long i = 1; i < 15; ++i)
        text += DigitAt(number, i);
    const int exponent = number.Exponent - 1;
    text += exponent < 0 ? "E-" : "E+";
    text += std::to_string(std::abs(exponent));
    return text;
}

std::string FormatFixedStyle(double value, int decimals, bool grouped) {
    if (!std::isfinite(value))
        return FormatGeneral(value);
    decimals = decimals < 0 ? 0 : (decimals > 18 ? 18 : decimals);
    DecimalDigits number = SignificantDigits(value);
    if (number.Exponent > 15)
        return FormatScientific(number);
    RoundToDecimals(number, decimals);
    std::string integerDigits;
    for (long long i = 0; i < number.Exponent; ++i)
        integerDigits += DigitAt(number, i);
    if (integerDigits.empty())
        integerDigits = "0";
    std::string text;
    // A value that rounds to zero is written without a sign.
    if (number.Negative && !number.Digits.empty())
        text += '-';
    text += grouped ? GroupThousands(integerDigits) : integerDigits;
    if (decimals > 0) {
        text += decimalSeparator;
        for (long long i = number.Exponent; i < static_cast<long long>(number.Exponent) + decimals; ++i)
            text += DigitAt(number, i);
    }
    return text;
}

// Reads an optional sign, digits and at most one point, nothing else; at least one digit.
bool ReadPlainDecimal(const std::string& text, double& value) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string digits;
    bool point = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            anyDigit = true;
            digits += c;
        } else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else {
            return false;
        }
    }
    if (!anyDigit)
        return false;
    if (digits.front() == '.')
        digits.insert(digits.begin(), '0');
    double magnitude = 0;
    auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, std::chars_format::fixed);
    if (error != std::errc() || end != digits.data() + digits.size())
        return false;
    value = negative ? -magnitude : magnitude;
    return true;
}

bool TryParseNumber(const std::string& rawText, double& value) {
    std::string text = TrimControl(rawText);
    if (text.size() >= 21)
        return false;
    if (thousandSeparator != '\0')
        ReplaceAll(text, std::string(1, thousandSeparator), "");
    // Characters that cannot belong to a number take the place of the exponent mark and, when the
    // decimal separator is another character, of the point.
    ReplaceFirst(text, "E", "\x01");
    if (decimalSeparator != '.')
        ReplaceFirst(text, ".", "\x01");
    ReplaceFirst(text, std::string(1, decimalSeparator), ".");
    return ReadPlainDecimal(text, value);
}

bool IsRefusedSeparator(char c) {
    return c == '\0' || IsDigit(c) || c == '+' || c == '-';
}

} // namespace

char GetDecimalSeparator() {
    return decimalSeparator;
}

char GetThousandSeparator() {
    return thousandSeparator;
}

bool SetNumberSeparators(char newDecimal, char newThousand) {
    if (IsRefusedSeparator(newDecimal))
        return false;
    decimalSeparator = newDecimal;
    thousandSeparator = (IsRefusedSeparator(newThousand) || newThousand == newDecimal) ? '\0' : newThousand;
    return true;
}

double ParseNumber(const std::string& text, double defaultValue) {
    double value = 0;
    return TryParseNumber(text, value) ? value : defaultValue;
}

bool TryParseInteger(const std::string& text, int32_t& value) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size())
        return false;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 0;
        if (IsDigit(c))
            digit = static_cast<unsigned>(c - '0');
        else if (hex && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else if (hex && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > (hex ? 0xFFFFFFFFull : 0x80000000ull))
            return false;
    }
    if (hex) {
        // Hexadecimal covers the 32 bits of the value, as a signed 32-bit integer.
        const auto bits = static_cast<uint32_t>(magnitude);
        const auto signedValue = static_cast<int32_t>(bits);
        value = negative ? static_cast<int32_t>(0u - bits) : signedValue;
        return true;
    }
    if (!negative && magnitude > 0x7FFFFFFFull)
        return false;
    value =
        negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
    return true;
}

int32_t ParseInteger(const std::string& text, int32_t defaultValue) {
    int32_t value = 0;
    return TryParseInteger(text, value) ? value : defaultValue;
}

std::string FormatFixed(double value, int decimals) {
    return FormatFixedStyle(value, decimals, false);
}

std::string FormatGrouped(double value, int decimals) {
    return FormatFixedStyle(value, decimals, true);
}

std::string FormatGeneral(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const DecimalDigits number = SignificantDigits(value);
    if (number.Digits.empty())
        return "0";
    std::string text = number.Negative ? "-" : "";
    const int scientificExponent = number.Exponent - 1;
    if (scientificExponent >= 15 || scientificExponent < -4) {
        text += number.Digits[0];
        if (number.Digits.size() > 1) {
            text += decimalSeparator;
            text.append(number.Digits, 1, std::string::npos);
        }
        text += 'E';
        text += std::to_string(scientificExponent);
        return text;
    }
    const auto count = static_cast<int>(number.Digits.size());
    if (number.Exponent <= 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<size_t>(-number.Exponent), '0');
        text += number.Digits;
    } else if (count <= number.Exponent) {
        text += number.Digits;
        text.append(static_cast<size_t>(number.Exponent - count), '0');
    } else {
        text.append(number.Digits, 0, static_cast<size_t>(number.Exponent));
        text += decimalSeparator;
        text.append(number.Digits, static_cast<size_t>(number.Exponent), std::string::npos);
    }
    return text;
}

std::string StripTrailingZeros(const std::string& text) {
    if (text.find(decimalSeparator) == std::string::npos || text.find('E') != std::string::npos)
        return text;
    std::string result = text;
    while (!result.empty() && result.back() == '0')
        result.pop_back();
    if (!result.empty() && result.back() == decimalSeparator)
        result.pop_back();
    return result;
}

double ShiftDecimal(int places, double value) {
    if (value == 0 || places == 0)
        return value;
    std::string text = FormatFixed(std::fabs(value), 18);
    if (text.find('E') != std::string::npos || !std::isfinite(value)) {
        // Beyond about 650 steps every finite value has become 0 or infinite.
        const int steps = std::abs(places) > 700 ? 700 : std::abs(places);
        double result = value;
        for (int i = 0; i < steps; ++i)
            result = places > 0 ? result * 10 : result / 10;
        return result;
    }
    text = StripTrailingZeros(text);
    size_t separatorAt = text.find(decimalSeparator);
    if (separatorAt == std::string::npos) {
        separatorAt = text.size();
        text += decimalSeparator;
    }
    std::string digits = text.substr(0, separatorAt) + text.substr(separatorAt + 1);
    long long newPosition = static_cast<long long>(separatorAt) + places;
    // Only the first 20 characters are kept, so a separator moved further out gives the same result.
    if (newPosition > 40)
        newPosition = 40;
    if (newPosition < -40)
        newPosition = -40;
    if (newPosition < 1) {
        digits.insert(0, static_cast<size_t>(1 - newPosition), '0');
        newPosition = 1;
    }
    if (newPosition > static_cast<long long>(digits.size()))
        digits.append(static_cast<size_t>(newPosition) - digits.size(), '0');
    text = digits.substr(0, static_cast<size_t>(newPosition)) + decimalSeparator +
           digits.substr(static_cast<size_t>(newPosition));
    if (text.back() == decimalSeparator)
        text.pop_back();
    if (text.size() > 20)
        text.resize(20);
    double shifted = 0;
    if (!TryParseNumber(text, shifted))
        return value;
    return value < 0 ? -shifted : shifted;
}

std::string FormatNumber(int decimals, int width, int mode, bool isSigned, double value) {
    if (width < 1)
        width = 1;
    const int room = (isSigned && !(value < 0)) ? width - 1 : width;
    std::string text;
    switch (mode) {
    case NumberModeMoney:
    case NumberModeDecimals:
        if (mode == NumberModeMoney)
            value = ShiftDecimal(-decimals, value);
        text = FormatGrouped(value, decimals);
        if (static_cast<int>(text.size()) > room)
            text = FormatFixed(value, decimals);
        break;
    case NumberModePrice:
        text = StripTrailingZeros(FormatGrouped(value, 15));
        if (static_cast<int>(text.size()) > room)
            text = StripTrailingZeros(FormatFixed(value, 15));
        break;
    case NumberModeQuantity:
        text = StripTrailingZeros(FormatFixed(value, 15));
        break;
    default:
        break;
    }
    int digitCount = 0;
    for (char c : text)
        if (IsDigit(c))
            ++digitCount;
    if (static_cast<int>(text.size()) > room || digitCount > 12 || !std::isfinite(value))
        text = LeftPart(OverflowWord, isSigned ? width - 1 : width);
    return PadText(text, width, ' ', true);
}
