#include "pdf/render/image_samples.h"

#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

namespace {

using Range = std::pair<double, double>;

std::uint8_t Byte(double unit) {
    return static_cast<std::uint8_t>(std::lround(unit * 255));
}

// Sample `index` of a row of `bits`-bit samples; 16-bit samples give their high byte.
unsigned SampleAt(const std::uint8_t* row, std::size_t index, int bits) {
    switch (bits) {
    case 8:
        return row[index];
    case 16:
        return row[2 * index];
    default: {
        const std::size_t bit = index * static_cast<std::size_t>(bits);
        const unsigned shift = 8 - static_cast<unsigned>(bits) - static_cast<unsigned>(bit & 7);
        return (row[bit >> 3] >> shift) & ((1u << bits) - 1);
    }
    }
}

// The decoded value of every sample value of one component (16-bit samples by their high byte).
std::vector<double> DecodeTable(int bits, const Range& range) {
    const int levels = bits >= 8 ? 256 : 1 << bits;
    const double top = bits == 16 ? 65535.0 / 257 : levels - 1;
    std::vector<double> table(static_cast<std::size_t>(levels));
    for (int v = 0; v < levels; ++v)
        table[static_cast<std::size_t>(v)] = range.first + v * (range.second - range.first) / top;
    return table;
}

// Copies one-bit rows, inverted when asked, with the unused bits of each row's last byte cleared.
void CopyBits(const std::uint8_t* in, int width, int height, bool invert, RenderImage& out) {
    out.stride = RenderImage::RowBytes(out.format, width);
    out.samples.assign(in, in + out.stride * static_cast<std::size_t>(height));
    const unsigned spare = static_cast<unsigned>(out.stride * 8 - static_cast<std::size_t>(width));
    const std::uint8_t lastMask = static_cast<std::uint8_t>(0xFF << spare);
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        std::uint8_t* row = out.samples.data() + y * out.stride;
        if (invert)
            for (std::size_t i = 0; i < out.stride; ++i)
                row[i] = static_cast<std::uint8_t>(~row[i]);
        row[out.stride - 1] &= lastMask;
    }
}

} // namespace

bool ConvertImageSamples(const ImageLayout& layout, std::string_view raw, std::size_t maxPixels,
                         RenderImage& out) {
    out = RenderImage();
    const int bits = layout.imageMask ? 1 : layout.bitsPerComponent;
    const int components = layout.imageMask ? 1 : layout.space.components;
    if (layout.width <= 0 || layout.height <= 0 || components < 1 || components > kMaxColorComponents ||
        (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16) ||
        static_cast<std::size_t>(layout.width) > maxPixels / static_cast<std::size_t>(layout.height))
        return false;
    const auto width = static_cast<std::size_t>(layout.width);
    const auto height = static_cast<std::size_t>(layout.height);
    const std::size_t rowBytes = (width * static_cast<std::size_t>(components * bits) + 7) / 8;
    std::string padded;
    if (raw.size() < rowBytes * height) {
        padded.assign(raw);
        padded.resize(rowBytes * height, '\0');
        raw = padded;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(raw.data());

    std::vector<Range> ranges(static_cast<std::size_t>(components), Range(0, 1));
    if (layout.space.kind == ColorSpace::Kind::Indexed && !layout.imageMask)
        ranges[0] = Range(0, (1 << (bits == 16 ? 8 : bits)) - 1);
    if (layout.decode.size() >= 2 * ranges.size()) {
        bool finite = true;
        for (double v : layout.decode)
            finite = finite && std::isfinite(v) && std::fabs(v) < 1e6;
        if (finite)
            for (std::size_t c = 0; c < ranges.size(); ++c)
                ranges[c] = Range(layout.decode[2 * c], layout.decode[2 * c + 1]);
    }
    out.width = layout.width;
    out.height = layout.height;

    if (layout.imageMask) {
        // A sample that decodes to 0 paints.
        out.format = RenderImage::Format::Mask1;
        CopyBits(data, layout.width, layout.height, ranges[0].first < ranges[0].second, out);
        return true;
    }
    if (!layout.space.Drawable())
        return false;
    if (bits == 1 && layout.space.kind == ColorSpace::Kind::Gray) {
        out.format = RenderImage::Format::Gray1;
        CopyBits(data, layout.width, layout.height, ranges[0].first > ranges[0].second, out);
        return true;
    }

    const bool gray = layout.space.IsGrayOutput();
    out.format = gray ? RenderImage::Format::Gray8 : RenderImage::Format::Rgb24;
    out.stride = RenderImage::RowBytes(out.format, layout.width);
    out.samples.resize(out.stride * height);
    const std::size_t channels = gray ? 1 : 3;

    if (layout.space.kind == ColorSpace::Kind::Rgb && bits == 8 && ranges[0] == Range(0, 1) &&
        ranges[1] == Range(0, 1) && ranges[2] == Range(0, 1)) {
        std::memcpy(out.samples.data(), data, out.samples.size());
        return true;
    }

    std::vector<std::vector<double>> tables;
    for (const Range& range : ranges)
        tables.push_back(DecodeTable(bits, range));

    if (components == 1) {
        // Every sample value's colour once, then a table look-up per pixel.
        const std::size_t levels = tables[0].size();
        std::vector<std::array<std::uint8_t, 3>> colours(levels);
        for (std::size_t v = 0; v < levels; ++v) {
            const RenderColor colour = layout.space.ToColor(&tables[0][v]);
            colours[v] = {Byte(colour.red), Byte(colour.green), Byte(colour.blue)};
        }
        for (std::size_t y = 0; y < height; ++y) {
            const std::uint8_t* row = data + y * rowBytes;
            std::uint8_t* target = out.samples.data() + y * out.stride;
            for (std::size_t x = 0; x < width; ++x)
                std::memcpy(target + x * channels, colours[SampleAt(row, x, bits)].data(), channels);
        }
        return true;
    }

    double values[kMaxColorComponents];
    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t* row = data + y * rowBytes;
        std::uint8_t* target = out.samples.data() + y * out.stride;
        for (std::size_t x = 0; x < width; ++x) {
            for (std::size_t c = 0; c < static_cast<std::size_t>(components); ++c)
                values[c] = tables[c][SampleAt(row, x * static_cast<std::size_t>(components) + c, bits)];
            const RenderColor colour = layout.space.ToColor(values);
            if (gray) {
                target[x] = Byte(colour.red);
            } else {
                target[3 * x] = Byte(colour.red);
                target[3 * x + 1] = Byte(colour.green);
                target[3 * x + 2] = Byte(colour.blue);
            }
        }
    }
    return true;
}
