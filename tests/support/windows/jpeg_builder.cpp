#include "support/jpeg_builder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>

// Every component is sampled 1×1 and quantised by 2 throughout, so that the pictures decode close to
// their colours. The Huffman tables give every symbol a code of one length (4 bits for the DC sizes,
// 8 bits for the AC run/size pairs): valid, simple, and small files do not matter here.

namespace {

constexpr std::array<int, 64> kZigzag = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                         12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                         35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                         58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
constexpr int kQuantiser = 2;

// The AC symbols in code order: end of block, sixteen zeros, then every run 0-15 with size 1-10.
std::vector<int> AcSymbols() {
    std::vector<int> symbols = {0x00, 0xF0};
    for (int run = 0; run < 16; ++run)
        for (int size = 1; size <= 10; ++size)
            symbols.push_back(run << 4 | size);
    return symbols;
}

class BitWriter {
public:
    explicit BitWriter(std::string& out) : out_(out) {}
    void Put(unsigned code, int length) {
        for (int bit = length - 1; bit >= 0; --bit) {
            byte_ = byte_ << 1 | ((code >> bit) & 1);
            if (++count_ == 8) {
                out_ += static_cast<char>(byte_);
                if (byte_ == 0xFF)
                    out_ += '\0'; // a data byte 0xFF is followed by a zero byte
                byte_ = 0;
                count_ = 0;
            }
        }
    }
    void Finish() {
        while (count_ != 0)
            Put(1, 1);
    }

private:
    std::string& out_;
    unsigned byte_ = 0;
    int count_ = 0;
};

class Encoder {
public:
    explicit Encoder(const JpegLayout& layout) : layout_(layout), acCodes_(256, -1) {
        const std::vector<int> symbols = AcSymbols();
        for (std::size_t i = 0; i < symbols.size(); ++i)
            acCodes_[static_cast<std::size_t>(symbols[i])] = static_cast<int>(i);
        blocksWide_ = (layout.width + 7) / 8;
        blocksHigh_ = (layout.height + 7) / 8;
        for (int c = 0; c < layout.components; ++c)
            for (int by = 0; by < blocksHigh_; ++by)
                for (int bx = 0; bx < blocksWide_; ++bx)
                    blocks_.push_back(Transform(c, bx, by));
    }

    std::string File() {
        std::string out = "\xFF\xD8";
        const int n = layout_.components;
        if (n != 4) {
            Segment(out, 0xE0,
                    std::string("JFIF\0\1\1", 7) + Byte(layout_.densityUnit) + Word(layout_.xDensity) +
                        Word(layout_.yDensity) + Byte(0) + Byte(0));
        } else {
            Segment(out, 0xEE, "Adobe" + Word(100) + Word(0) + Word(0) + Byte(0)); // CMYK as stored
        }
        Segment(out, 0xDB, Byte(0) + std::string(64, static_cast<char>(kQuantiser)));
        std::string frame = Byte(8) + Word(layout_.height) + Word(layout_.width) + Byte(n);
        for (int c = 0; c < n; ++c)
            frame += Byte(c + 1) + Byte(0x11) + Byte(0);
        Segment(out, layout_.progressive ? 0xC2 : 0xC0, frame);
        std::string dc(16, '\0');
        dc[3] = 12;
        for (int size = 0; size < 12; ++size)
            dc += Byte(size);
        std::string ac(16, '\0');
        ac[7] = static_cast<char>(AcSymbols().size());
        for (int symbol : AcSymbols())
            ac += Byte(symbol);
        Segment(out, 0xC4, Byte(0x00) + dc + Byte(0x10) + ac);
        if (!layout_.progressive) {
            Scan(out, 0, 63);
        } else {
            Scan(out, 0, 0);
            for (int c = 0; c < n; ++c)
                ScanOne(out, c, 1, 63);
        }
        return out + "\xFF\xD9";
    }

private:
    static std::string Byte(int value) { return std::string(1, static_cast<char>(value & 0xFF)); }
    static std::string Word(int value) { return Byte(value >> 8) + Byte(value); }
    static void Segment(std::string& out, int marker, const std::string& body) {
        out += Byte(0xFF) + Byte(marker) + Word(static_cast<int>(body.size()) + 2) + body;
    }

    // Component c of the pixel at (x, y), as stored in the file (JFIF colour files hold YCbCr).
    double Sample(int c, int x, int y) const {
        // Rows are alike; the last column fills the partial blocks on the right.
        (void)y;
        x = std::min(x, layout_.width - 1);
        const std::vector<std::uint8_t>& colour = x < layout_.width / 2 ? layout_.left : layout_.right;
        if (layout_.components != 3)
            return colour[static_cast<std::size_t>(c)];
        const double r = colour[0], g = colour[1], b = colour[2];
        if (c == 0)
            return 0.299 * r + 0.587 * g + 0.114 * b;
        if (c == 1)
            return -0.168736 * r - 0.331264 * g + 0.5 * b + 128;
        return 0.5 * r - 0.418688 * g - 0.081312 * b + 128;
    }

    // The quantised coefficients of one block, in zigzag order.
    std::array<int, 64> Transform(int c, int bx, int by) const {
        std::array<int, 64> out{};
        for (int k = 0; k < 64; ++k) {
            const int u = kZigzag[static_cast<std::size_t>(k)] % 8;
            const int v = kZigzag[static_cast<std::size_t>(k)] / 8;
            double sum = 0;
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    sum += (Sample(c, bx * 8 + x, by * 8 + y) - 128) *
                           std::cos((2 * x + 1) * u * std::numbers::pi / 16) *
                           std::cos((2 * y + 1) * v * std::numbers::pi / 16);
            const double cu = u == 0 ? (1 / std::numbers::sqrt2) : 1;
            const double cv = v == 0 ? (1 / std::numbers::sqrt2) : 1;
            out[static_cast<std::size_t>(k)] = static_cast<int>(std::lround(sum * cu * cv / 4 / kQuantiser));
        }
        return out;
    }

    const std::array<int, 64>& Block(int c, int bx, int by) const {
        return blocks_[static_cast<std::size_t>((c * blocksHigh_ + by) * blocksWide_ + bx)];
    }

    static int SizeOf(int value) {
        int size = 0;
        while ((std::abs(value) >> size) != 0)
            ++size;
        return size;
    }
    static unsigned ExtraBits(int value, int size) {
        return static_cast<unsigned>(value >= 0 ? value : value + (1 << size) - 1);
    }

    void Coefficients(BitWriter& bits, const std::array<int, 64>& block, int c, int first, int last) {
        if (first == 0) {
            const int difference = block[0] - predictors_[static_cast<std::size_t>(c)];
            predictors_[static_cast<std::size_t>(c)] = block[0];
            const int size = SizeOf(difference);
            bits.Put(static_cast<unsigned>(size), 4);
            bits.Put(ExtraBits(difference, size), size);
        }
        int run = 0;
        for (int k = std::max(first, 1); k <= last; ++k) {
            const int value = block[static_cast<std::size_t>(k)];
            if (value == 0) {
                ++run;
                continue;
            }
            for (; run > 15; run -= 16)
                bits.Put(static_cast<unsigned>(acCodes_[0xF0]), 8);
            const int size = SizeOf(value);
            bits.Put(static_cast<unsigned>(acCodes_[static_cast<std::size_t>(run << 4 | size)]), 8);
            bits.Put(ExtraBits(value, size), size);
            run = 0;
        }
        if (run > 0)
            bits.Put(static_cast<unsigned>(acCodes_[0x00]), 8);
    }

    std::string ScanHeader(int count, int firstComponent, int first, int last) const {
        std::string body = Byte(count);
        for (int c = firstComponent; c < firstComponent + count; ++c)
            body += Byte(c + 1) + Byte(0x00);
        return body + Byte(first) + Byte(last) + Byte(0);
    }

    // All components interleaved, one block of each per unit.
    void Scan(std::string& out, int first, int last) {
        Segment(out, 0xDA, ScanHeader(layout_.components, 0, first, last));
        predictors_.fill(0);
        BitWriter bits(out);
        for (int by = 0; by < blocksHigh_; ++by)
            for (int bx = 0; bx < blocksWide_; ++bx)
                for (int c = 0; c < layout_.components; ++c)
                    Coefficients(bits, Block(c, bx, by), c, first, last);
        bits.Finish();
    }

    void ScanOne(std::string& out, int c, int first, int last) {
        Segment(out, 0xDA, ScanHeader(1, c, first, last));
        BitWriter bits(out);
        for (int by = 0; by < blocksHigh_; ++by)
            for (int bx = 0; bx < blocksWide_; ++bx)
                Coefficients(bits, Block(c, bx, by), c, first, last);
        bits.Finish();
    }

    const JpegLayout& layout_;
    std::vector<int> acCodes_;
    int blocksWide_ = 0;
    int blocksHigh_ = 0;
    std::vector<std::array<int, 64>> blocks_;
    std::array<int, 4> predictors_{};
};

} // namespace

std::string EncodeJpeg(const JpegLayout& layout) {
    return Encoder(layout).File();
}
