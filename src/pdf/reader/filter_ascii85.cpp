#include "pdf/reader/filters.h"

#include <cstdint>

namespace {

bool isWhite(unsigned char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

} // namespace

bool ASCII85DecodeData(std::string_view in, std::string& out, std::size_t maxOutput) {
    std::size_t pos = 0;
    while (pos < in.size() && isWhite(static_cast<unsigned char>(in[pos])))
        ++pos;
    if (in.substr(pos, 2) == "<~")
        pos += 2;
    std::uint64_t group = 0;
    int count = 0;
    for (; pos < in.size(); ++pos) {
        const auto c = static_cast<unsigned char>(in[pos]);
        if (isWhite(c))
            continue;
        if (c == '~')
            break;
        if (c == 'z' && count == 0) {
            if (out.size() + 4 > maxOutput)
                return false;
            out.append(4, '\0');
            continue;
        }
        if (c < '!' || c > 'u')
            return false;
        group = group * 85 + (c - '!');
        if (++count == 5) {
            if (group > UINT32_MAX || out.size() + 4 > maxOutput)
                return false;
            for (int shift = 24; shift >= 0; shift -= 8)
                out.push_back(static_cast<char>((group >> shift) & 0xFF));
            group = 0;
            count = 0;
        }
    }
    if (count == 1)
        return false; // a single character cannot carry a byte
    if (count > 1) {
        // Pad the last group with the highest digit and keep count - 1 bytes.
        for (int i = count; i < 5; ++i)
            group = group * 85 + 84;
        if (group > UINT32_MAX || out.size() + (count - 1) > maxOutput)
            return false;
        for (int i = 0; i < count - 1; ++i)
            out.push_back(static_cast<char>((group >> (24 - 8 * i)) & 0xFF));
    }
    return true;
}
