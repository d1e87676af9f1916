#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// MD5 digest of some bytes (through libcrypto). Throws when libcrypto cannot make it.
std::array<uint8_t, 16> MD5Digest(std::string_view bytes);
// The digest as 32 lower-case hexadecimal digits.
std::string MD5Hex(std::string_view bytes);
