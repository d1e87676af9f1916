#include "pdf/reader/filters.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
constexpr int kFirstFreeCode = 258;
constexpr int kMaxCodes = 4096;

// Reads codes of a variable width, most significant bit first.
class CodeReader {
public:
    explicit CodeReader(std::string_view in) : in_(in) {}
    // Returns -1 when the input runs out.
    int next(int width) {
        while (bitCount_ < width) {
            if (pos_ >= in_.size())
                return -1;
            bits_ = (bits_ << 8) | static_cast<unsigned char>(in_[pos_++]);
            bitCount_ += 8;
        }
        bitCount_ -= width;
        return static_cast<int>((bits_ >> bitCount_) & ((1u << width) - 1));
    }

private:
    std::string_view in_;
    std::size_t pos_ = 0;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
};

// Table entries are stored as (prefix code, last byte, length) so that adding one costs O(1).
struct Entry {
    int prefix = -1;
    unsigned char last = 0;
    std::uint32_t length = 1;
    unsigned char first = 0;
};

} // namespace

bool LZWDecodeData(std::string_view in, std::string& out, int earlyChange, std::size_t maxOutput) {
    earlyChange = earlyChange == 0 ? 0 : 1;
    std::vector<Entry> table(kMaxCodes);
    for (int i = 0; i < 256; ++i)
        table[i] = Entry{-1, static_cast<unsigned char>(i), 1, static_cast<unsigned char>(i)};
    int next = kFirstFreeCode;
    int width = 9;
    int previous = -1;
    CodeReader reader(in);
    std::string scratch;

    auto emit = [&](int code) {
        const Entry& e = table[code];
        if (out.size() + e.length > maxOutput)
            return false;
        const std::size_t at = out.size();
        out.resize(at + e.length);
        for (int c = code; c >= 0; c = table[c].prefix)
            out[at + table[c].length - 1] = static_cast<char>(table[c].last);
        return true;
    };

    for (;;) {
        const int code = reader.next(width);
        if (code < 0 || code == kEndCode)
            return true; // a missing end code is tolerated
        if (code == kClearCode) {
            next = kFirstFreeCode;
            width = 9;
            previous = -1;
            continue;
        }
        if (previous < 0) {
            if (code >= 256)
                return false;
            if (!emit(code))
                return false;
            previous = code;
            continue;
        }
        if (code > next || (code == next && next >= kMaxCodes))
            return false;
        if (next < kMaxCodes) {
            // The new entry is the previous string plus the first byte of the current one (which is the
            // previous string's own first byte when the code is the one being defined right now).
            const unsigned char firstByte = code < next ? table[code].first : table[previous].first;
            table[next] = Entry{previous, firstByte, table[previous].length + 1, table[previous].first};
            ++next;
        }
        if (!emit(code))
            return false;
        previous = code;
        if (next + earlyChange >= (1 << width) && width < 12)
            ++width;
    }
}
