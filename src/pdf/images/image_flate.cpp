#include "pdf/images/image_flate.h"

#include <zlib.h>

#include <algorithm>

namespace {

// zlib counts in 32-bit lengths: larger pieces are fed in slices.
constexpr std::size_t kMaxSlice = 1u << 30;

} // namespace

bool DeflateImageSamples(const std::vector<std::string_view>& pieces, std::string& out) {
    z_stream zs{};
    if (deflateInit(&zs, Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    std::size_t total = 0;
    for (std::string_view piece : pieces)
        total += piece.size();
    // Forms are mostly white and shrink a lot: start small and grow, rather than clearing a buffer of the
    // worst-case size for every page.
    out.resize(std::min<std::size_t>(deflateBound(&zs, static_cast<uLong>(total)),
                                     std::max<std::size_t>(total / 16, 1u << 16)));
    std::size_t piece = 0;
    std::size_t used = 0; // bytes of the current piece already handed to zlib
    std::size_t written = 0;
    int status = Z_OK;
    while (status == Z_OK || status == Z_BUF_ERROR) {
        while (piece < pieces.size() && used == pieces[piece].size()) {
            ++piece;
            used = 0;
        }
        if (zs.avail_in == 0 && piece < pieces.size()) {
            const std::size_t slice = std::min(pieces[piece].size() - used, kMaxSlice);
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(pieces[piece].data() + used));
            zs.avail_in = static_cast<uInt>(slice);
            used += slice;
        }
        const bool allHanded =
            piece == pieces.size() || (piece + 1 == pieces.size() && used == pieces[piece].size());
        if (written == out.size())
            out.resize(out.size() * 2);
        const std::size_t room = std::min(out.size() - written, kMaxSlice);
        zs.next_out = reinterpret_cast<Bytef*>(out.data() + written);
        zs.avail_out = static_cast<uInt>(room);
        status = deflate(&zs, allHanded ? Z_FINISH : Z_NO_FLUSH);
        written += room - zs.avail_out;
    }
    deflateEnd(&zs);
    if (status != Z_STREAM_END)
        return false;
    out.resize(written);
    return true;
}
