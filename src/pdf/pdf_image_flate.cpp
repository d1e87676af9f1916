#include "pdf/pdf_image_flate.h"

#include <zlib.h>

bool DeflateImageSamples(std::string_view samples, std::string& out) {
    // zlib counts in 32-bit lengths: feed and drain in slices so that any size works. The output
    // starts at deflate's bound for the whole input, so it normally never grows.
    z_stream zs{};
    if (deflateInit(&zs, Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    out.resize(deflateBound(&zs, static_cast<uLong>(samples.size())));
    std::size_t done = 0;
    std::size_t written = 0;
    int status = Z_OK;
    while (status == Z_OK) {
        if (zs.avail_in == 0 && done < samples.size()) {
            const std::size_t slice = samples.size() - done < (1u << 30) ? samples.size() - done : (1u << 30);
            zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(samples.data() + done));
            zs.avail_in = static_cast<uInt>(slice);
            done += slice;
        }
        if (written == out.size())
            out.resize(out.size() * 2);
        const std::size_t room = out.size() - written < (1u << 30) ? out.size() - written : (1u << 30);
        zs.next_out = reinterpret_cast<Bytef*>(out.data() + written);
        zs.avail_out = static_cast<uInt>(room);
        status = deflate(&zs, done == samples.size() ? Z_FINISH : Z_NO_FLUSH);
        written += room - zs.avail_out;
        if (status == Z_BUF_ERROR)
            status = Z_OK; // no progress possible without more room: the loop grows the buffer
    }
    deflateEnd(&zs);
    if (status != Z_STREAM_END)
        return false;
    out.resize(written);
    return true;
}
