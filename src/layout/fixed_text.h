#pragma once

#include <string>

// Fixed-width text pieces for the page buffer, the byte-exact equivalents of the "%-Ns", "%Ns" and
// "%.Ms" conversions used by the layouts.
namespace fixed_text {

// "%-Ns": text padded with blanks on the right to width; longer text is kept whole.
std::string Left(const std::string& text, int width);
// "%Ns": text padded with blanks on the left to width; longer text is kept whole.
std::string Right(const std::string& text, int width);
// "%.Ms": the first max characters.
std::string Cut(const std::string& text, int max);
// Leading and trailing characters with codes 0 to 32 removed.
std::string Trim(const std::string& text);
// Decimal text of an integer.
std::string Decimal(long long value);

} // namespace fixed_text
