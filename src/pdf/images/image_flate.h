#pragma once

#include <string>
#include <string_view>
#include <vector>

// Compresses image samples with zlib (deflate with the zlib header, default level). The samples are the
// pieces concatenated in order (rows, for instance), so that they need not be copied together first.
// False when zlib fails; `out` is then unspecified.
bool DeflateImageSamples(const std::vector<std::string_view>& pieces, std::string& out);
