#pragma once

#include <cstdint>

// Bounds of what one document file may ask of the layout. Values outside them are clamped where they
// are read, so that no later arithmetic sees them.

// Rows of one page: six per inch, far beyond any sheet. Reserved rows and "/R=" stay within it.
inline constexpr int32_t MaxPageRows = 1000;

// Document lines of one document (line 98). A file that asks for more is refused before composing.
inline constexpr int32_t MaxDocumentLines = 100000;

// Decimals of a currency (lines 6 and 7): the most the amount formatting can write.
inline constexpr int32_t MaxCurrencyDecimals = 18;

// The value clamped to first..last.
inline constexpr int32_t ClampToRange(int32_t value, int32_t first, int32_t last) {
    return value < first ? first : (value > last ? last : value);
}
