#include "pdf/model/number.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

// Decimal exponents outside this range are written in exponent form by the shortest-text routine.
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = 14;

} // namespace

void AppendPDFNumber(std::string& out, double value, int precision) {
    if (!std::isfinite(value)) {
        out += '0';
        return;
    }
    char buffer[64];
    // Shortest round-trip digits in the form [-]d[.ddd]e[+-]xx.
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    std::size_t ePos = text.find('e');
    if (ePos == std::string_view::npos) {
        out += '0';
        return;
    }
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            digits += c;
    int exponent = 0;
    std::string_view expText = text.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

    if (value == 0 || exponent < kSmallestFixedExponent || exponent > kLargestFixedExponent) {
        out += '0';
        return;
    }

    std::string integerPart;
    std::string fraction;
    if (exponent >= 0) {
        std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            integerPart = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            integerPart = digits.substr(0, integerDigits);
            fraction = digits.substr(integerDigits);
        }
    } else {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    if (precision < 0)
        precision = 0;
    if (fraction.size() > static_cast<std::size_t>(precision))
        fraction.resize(static_cast<std::size_t>(precision));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();

    if (integerPart == "0" && fraction.empty()) {
        out += '0'; // never "-0"
        return;
    }
    if (negative)
        out += '-';
    out += integerPart;
    if (!fraction.empty()) {
        out += '.';
        out += fraction;
    }
}

std::string FormatPDFNumber(double value, int precision) {
    std::string out;
    AppendPDFNumber(out, value, precision);
    return out;
}

std::string FormatPaddedInteger(int64_t value, int width) {
    if (value < 0)
        value = 0;
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string digits(buffer, result.ptr);
    if (digits.size() < static_cast<std::size_t>(width))
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}
