#include "pdf/reader/filters.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>

namespace {

// Inflates with the given window bits; returns Z_STREAM_END on a complete stream.
int inflateWith(int windowBits, std::string_view in, std::string& out, std::size_t maxOutput) {
    z_stream zs{};
    if (inflateInit2(&zs, windowBits) != Z_OK)
        return Z_MEM_ERROR;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
    zs.avail_in = static_cast<uInt>(std::min<std::size_t>(in.size(), UINT32_MAX));
    unsigned char buffer[16384];
    int status = Z_OK;
    while (status == Z_OK) {
        zs.next_out = buffer;
        zs.avail_out = sizeof buffer;
        status = inflate(&zs, Z_NO_FLUSH);
        const std::size_t produced = sizeof buffer - zs.avail_out;
        if (out.size() + produced > maxOutput) {
            out.append(reinterpret_cast<const char*>(buffer), maxOutput - out.size());
            status = Z_BUF_ERROR;
            break;
        }
        out.append(reinterpret_cast<const char*>(buffer), produced);
        if (status == Z_BUF_ERROR && zs.avail_in == 0)
            break; // input ended before the end of the deflate stream
        if (status == Z_OK && produced == 0 && zs.avail_in == 0)
            break;
    }
    inflateEnd(&zs);
    return status;
}

} // namespace

bool FlateDecodeData(std::string_view in, std::string& out, std::size_t maxOutput) {
    const std::size_t start = out.size();
    if (maxOutput < start)
        return false;
    const int status = inflateWith(15, in, out, maxOutput);
    if (status == Z_STREAM_END)
        return true;
    if (status == Z_DATA_ERROR && out.size() == start) {
        // Some producers omit the zlib header: try raw deflate data.
        const int raw = inflateWith(-15, in, out, maxOutput);
        return raw == Z_STREAM_END;
    }
    return false;
}
