#pragma once

#include <cstdint>
#include <string>

// Writes a number as PDF text: the shortest round-trip decimal text, "0" when that text would need an
// exponent, decimals cut (not rounded) to `precision` places, trailing zeros and point removed.
std::string FormatPDFNumber(double value, int precision);
void AppendPDFNumber(std::string& out, double value, int precision);

// A non-negative integer left-padded with zeros to `width` digits (cross-reference entries).
std::string FormatPaddedInteger(int64_t value, int width);
