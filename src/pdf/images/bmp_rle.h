#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Expands the run-length coded pixels of an RLE8 (bitsPerPixel 8) or RLE4
// (bitsPerPixel 4) bitmap into one colour index per pixel, rows in file order
// (the first decoded row is the first row of the file), width * height bytes.
// Pixels the coding skips (deltas, early line or bitmap ends) keep index 0.
// Returns false when the data ends in the middle of a command, or before the
// last row was reached without an end-of-bitmap code.
bool ExpandBmpRle(std::string_view coded, std::uint16_t bitsPerPixel, std::uint32_t width,
                  std::uint32_t height, std::string& indexes);
