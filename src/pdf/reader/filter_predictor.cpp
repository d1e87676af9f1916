#include "pdf/reader/filters.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

unsigned char paeth(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return static_cast<unsigned char>(a);
    if (pb <= pc)
        return static_cast<unsigned char>(b);
    return static_cast<unsigned char>(c);
}

// PNG rows: one filter-type byte before every row; the output drops those bytes.
bool undoPng(std::string& data, std::size_t rowBytes, std::size_t pixelBytes) {
    std::string result;
    result.reserve(data.size());
    std::vector<unsigned char> prior(rowBytes, 0);
    std::vector<unsigned char> row(rowBytes);
    std::size_t pos = 0;
    while (pos < data.size()) {
        const auto type = static_cast<unsigned char>(data[pos++]);
        const std::size_t available = std::min(rowBytes, data.size() - pos);
        std::fill(row.begin(), row.end(), 0);
        for (std::size_t i = 0; i < available; ++i)
            row[i] = static_cast<unsigned char>(data[pos + i]);
        pos += available;
        for (std::size_t i = 0; i < rowBytes; ++i) {
            const int left = i >= pixelBytes ? row[i - pixelBytes] : 0;
            const int up = prior[i];
            const int upLeft = i >= pixelBytes ? prior[i - pixelBytes] : 0;
            switch (type) {
            case 0:
                break;
            case 1:
                row[i] = static_cast<unsigned char>(row[i] + left);
                break;
            case 2:
                row[i] = static_cast<unsigned char>(row[i] + up);
                break;
            case 3:
                row[i] = static_cast<unsigned char>(row[i] + (left + up) / 2);
                break;
            case 4:
                row[i] = static_cast<unsigned char>(row[i] + paeth(left, up, upLeft));
                break;
            default:
                return false;
            }
        }
        result.append(reinterpret_cast<const char*>(row.data()), available);
        prior = row;
    }
    data.swap(result);
    return true;
}

// TIFF predictor 2: every component holds the difference to the same component of the pixel before.
bool undoTiff(std::string& data, std::size_t rowBytes, int colors, int bits, int columns) {
    auto* bytes = reinterpret_cast<unsigned char*>(data.data());
    for (std::size_t rowStart = 0; rowStart + rowBytes <= data.size(); rowStart += rowBytes) {
        unsigned char* row = bytes + rowStart;
        if (bits == 8) {
            for (std::size_t i = colors; i < rowBytes; ++i)
                row[i] = static_cast<unsigned char>(row[i] + row[i - colors]);
        } else if (bits == 16) {
            const std::size_t stride = 2 * static_cast<std::size_t>(colors);
            for (std::size_t i = stride; i + 1 < rowBytes; i += 2) {
                const unsigned value =
                    ((row[i] << 8) | row[i + 1]) + ((row[i - stride] << 8) | row[i - stride + 1]);
                row[i] = static_cast<unsigned char>(value >> 8);
                row[i + 1] = static_cast<unsigned char>(value);
            }
        } else {
            // Components of 1, 2 or 4 bits packed most significant first.
            const unsigned mask = (1u << bits) - 1;
            const std::size_t count = static_cast<std::size_t>(colors) * columns;
            auto get = [&](std::size_t k) {
                const std::size_t bit = k * bits;
                return (row[bit / 8] >> (8 - bits - bit % 8)) & mask;
            };
            auto set = [&](std::size_t k, unsigned v) {
                const std::size_t bit = k * bits;
                const int shift = static_cast<int>(8 - bits - bit % 8);
                row[bit / 8] =
                    static_cast<unsigned char>((row[bit / 8] & ~(mask << shift)) | ((v & mask) << shift));
            };
            for (std::size_t k = colors; k < count; ++k)
                set(k, get(k) + get(k - colors));
        }
    }
    return true;
}

} // namespace

bool ApplyPredictor(std::string& data, const TPDFPredictorParams& params) {
    if (params.predictor <= 1)
        return true;
    const int bits = params.bitsPerComponent;
    if (params.colors < 1 || params.colors > 256 || params.columns < 1 || params.columns > (1 << 24) ||
        (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16))
        return false;
    const std::size_t bitsPerRow = static_cast<std::size_t>(params.colors) * bits * params.columns;
    const std::size_t rowBytes = (bitsPerRow + 7) / 8;
    const std::size_t pixelBytes =
        std::max<std::size_t>(1, static_cast<std::size_t>(params.colors) * bits / 8);
    if (params.predictor == 2)
        return undoTiff(data, rowBytes, params.colors, bits, params.columns);
    if (params.predictor >= 10 && params.predictor <= 15)
        return undoPng(data, rowBytes, pixelBytes);
    return false;
}
