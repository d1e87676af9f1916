#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decoders for the stream filters met in loaded PDF files. Every decoder appends to `out`, never lets it
// grow beyond `maxOutput` bytes and returns false on malformed input or when the limit is hit; what was
// decoded before the fault stays in `out`.

// Default ceiling for the decoded size of one stream; it stops decompression bombs.
inline constexpr std::size_t kMaxDecodedStreamBytes = std::size_t{256} << 20;

// Parameters of the PNG (10..15) and TIFF (2) predictors; predictor 1 means none.
struct TPDFPredictorParams {
    int predictor = 1;
    int colors = 1;
    int bitsPerComponent = 8;
    int columns = 1;
};

// zlib inflate (a stream without the zlib header is inflated as raw deflate data).
bool FlateDecodeData(std::string_view in, std::string& out, std::size_t maxOutput = kMaxDecodedStreamBytes);

// Undoes a predictor in place. Unsupported parameter combinations give false and leave the data as it was.
bool ApplyPredictor(std::string& data, const TPDFPredictorParams& params);

// ASCII base-85 with "z" groups and the "~>" end marker.
bool ASCII85DecodeData(std::string_view in, std::string& out, std::size_t maxOutput = kMaxDecodedStreamBytes);

// LZW with 9- to 12-bit codes; `earlyChange` 1 widens the codes one code early (the default of the format).
bool LZWDecodeData(std::string_view in, std::string& out, int earlyChange = 1,
                   std::size_t maxOutput = kMaxDecodedStreamBytes);
