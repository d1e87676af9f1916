#pragma once

#include <cstdint>
#include <string>

// The largest logo file taken for an image. A logo is a small picture; a larger file is not read at all.
inline constexpr std::uintmax_t MaxLogoFileSize = 32u * 1024u * 1024u;

// The bytes of the logo file; empty when it is missing, unreadable or larger than MaxLogoFileSize.
std::string ReadLogoFile(const std::string& path);
