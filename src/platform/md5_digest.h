#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The MD5 digest of the bytes; false when the system's hashing failed.
bool ComputeMd5(std::string_view bytes, std::array<std::uint8_t, 16>& digest);
