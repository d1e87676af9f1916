#pragma once

// Number reading and fixed-width number formatting. All of it goes through the process-wide decimal and
// thousands separators below and never through the C library's locale.

#include <cstdint>
#include <string>

// Word that replaces a number too wide for its column.
inline constexpr const char* OverflowWord = "TROPPOGRANDE";

// The process-wide decimal separator (one character).
char GetDecimalSeparator();

// The process-wide thousands separator; '\0' when there is none.
char GetThousandSeparator();

// Replaces both separators ('\0' for no thousands separator). A decimal separator that is '\0', a digit
// or a sign is refused: nothing changes and the result is false. A thousands separator that is a digit,
// a sign or equal to the decimal separator is dropped, since it would spoil every number read.
bool SetNumberSeparators(char decimalSeparator, char thousandSeparator);

// Reads a decimal number written with the current separators: optional sign, digits, at most one
// decimal separator; thousands separators are ignored. Exponent notation, texts of 21 characters or more
// and anything else doubtful give Default.
double ParseNumber(const std::string& text, double defaultValue);

// Integer conversion used for the document file and the INI settings: leading blanks skipped, an
// optional sign, then decimal digits within 32 bits or hexadecimal digits after "$", "0x" or "0X"
// (up to 32 bits, taken as a signed 32-bit value). Anything else fails.
bool TryParseInteger(const std::string& text, int32_t& value);

// TryParseInteger, giving Default when the text does not convert.
int32_t ParseInteger(const std::string& text, int32_t defaultValue);

// Value in the fixed style: rounded to 15 significant digits, then to Decimals decimals (0 to 18),
// half away from zero; the current decimal separator; no grouping. Values with more than 15 integer
// digits are written in exponent form with 15 significant digits ("1,00000000000000E+16"); infinities and
// NaN as in the general format.
std::string FormatFixed(double value, int decimals);

// As FormatFixed, with the integer digits grouped by three with the thousands separator (when there is one).
std::string FormatGrouped(double value, int decimals);

// The general number format: the shortest text of up to 15 significant digits, trailing zeros dropped,
// no thousands separators, the current decimal separator; exponent form ("1E15", "1,5E-5") when the
// decimal exponent is 15 or more or below -4.
std::string FormatGeneral(double value);

// Value times 10 to the power Places, computed on the decimal digits of the value.
double ShiftDecimal(int places, double value);

// Removes trailing zeros after the decimal separator, and the separator when nothing is left after it.
std::string StripTrailingZeros(const std::string& text);

// Number modes of FormatNumber.
inline constexpr int NumberModeMoney = 0;    // amount in the currency's smallest unit, shifted by Decimals
inline constexpr int NumberModeDecimals = 1; // grouped with Decimals decimals, else fixed
inline constexpr int NumberModePrice = 2; // up to 15 decimals, trailing zeros dropped, grouped when it fits
inline constexpr int NumberModeQuantity = 4; // up to 15 decimals, trailing zeros dropped, never grouped

// Text of exactly Width characters (Width below 1 counts as 1), right-aligned; a number that does not
// fit, or holds more than 12 digits, becomes the start of OverflowWord. With Signed a non-negative number
// keeps one blank in front. An unknown Mode gives blanks.
std::string FormatNumber(int decimals, int width, int mode, bool isSigned, double value);
