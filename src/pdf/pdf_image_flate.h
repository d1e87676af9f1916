#pragma once

#include <string>
#include <string_view>

// Compresses image samples with zlib (deflate with the zlib header, default level). False when zlib
// fails; `out` is then unspecified.
bool DeflateImageSamples(std::string_view samples, std::string& out);
