#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Compresses image samples into the zlib format (deflate with the zlib header) at level 6. One
// compressor serves image after image and keeps its working memory between them.
class SampleCompressor {
public:
    SampleCompressor();
    ~SampleCompressor();
    SampleCompressor(const SampleCompressor&) = delete;
    SampleCompressor& operator=(const SampleCompressor&) = delete;

    // Compresses the pieces concatenated in order (the rows of a picture, say) into `out`. False when
    // the compressor fails; `out` is then unspecified.
    bool compress(const std::vector<std::string_view>& pieces, std::string& out);

    class Impl;

private:
    std::unique_ptr<Impl> impl_;
};
