#pragma once

#include <string>
#include <string_view>

// Windows-1252 <-> PDFDocEncoding, byte for byte.
std::string AnsiToPDFDocEncoding(std::string_view text);
std::string PDFDocEncodingToAnsi(std::string_view text);

// Text of an information string as Windows-1252: UTF-16BE (starting FE FF) is converted, characters
// outside Windows-1252 become "?"; anything else is read as PDFDocEncoding.
std::string PDFTextToAnsi(std::string_view text);
// Text of an information string to store: unchanged when it starts FE FF, else PDFDocEncoding.
std::string AnsiToPDFText(std::string_view text);
