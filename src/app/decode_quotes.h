#pragma once

#include <string>
#include <string_view>

// The management product cannot pass double quotes inside a command-line value, so it writes the byte
// 0xA0 in their place. decodeQuotes trims the text (bytes 0 to 32 at both ends) and then turns every
// 0xA0 byte back into a double quote.
std::string decodeQuotes(std::string_view text);
