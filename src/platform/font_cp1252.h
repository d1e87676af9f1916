#pragma once

#include <cstdint>
#include <string>

// The Unicode code point of a Windows-1252 byte; bytes without a character map to U+FFFD.
char32_t cp1252ToUnicode(unsigned char byte);

// A Windows-1252 text as UTF-8, for the font and Cairo boundary.
std::string cp1252ToUtf8(const std::string& text);
