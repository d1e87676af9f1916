#include "platform/sample_compressor.h"

#include <zlib.h>

namespace {
constexpr int kLevel = 6;
constexpr std::size_t kOutputStep = std::size_t{1} << 20;
} // namespace

// One zlib stream reset for every image, and one output buffer, so that their memory is made once.
class SampleCompressor::Impl {
public:
    Impl() { ready_ = deflateInit(&stream_, kLevel) == Z_OK; }
    ~Impl() {
        if (ready_)
            deflateEnd(&stream_);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    bool compress(const std::vector<std::string_view>& pieces, std::string& out) {
        if (!ready_ || deflateReset(&stream_) != Z_OK)
            return false;
        std::size_t produced = 0;
        for (std::size_t i = 0; i <= pieces.size(); ++i) {
            const bool last = i == pieces.size();
            std::string_view piece = last ? std::string_view() : pieces[i];
            // avail_in is 32 bits: feed large pieces in parts.
            do {
                const std::size_t take = piece.size() > 0x40000000 ? 0x40000000 : piece.size();
                stream_.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
                stream_.avail_in = static_cast<uInt>(take);
                piece.remove_prefix(take);
                const int flush = last ? Z_FINISH : Z_NO_FLUSH;
                int result = Z_OK;
                do {
                    if (buffer_.size() - produced < kOutputStep / 4)
                        buffer_.resize(buffer_.size() + kOutputStep);
                    stream_.next_out = buffer_.data() + produced;
                    stream_.avail_out = static_cast<uInt>(buffer_.size() - produced);
                    result = deflate(&stream_, flush);
                    produced = buffer_.size() - stream_.avail_out;
                    if (result == Z_STREAM_ERROR)
                        return false;
                } while (stream_.avail_out == 0 || stream_.avail_in > 0 || (last && result != Z_STREAM_END));
            } while (!piece.empty());
        }
        out.assign(reinterpret_cast<const char*>(buffer_.data()), produced);
        return true;
    }

private:
    z_stream stream_{};
    // The output buffer, kept from image to image.
    std::vector<Bytef> buffer_;
    bool ready_ = false;
};

SampleCompressor::SampleCompressor() : impl_(std::make_unique<Impl>()) {}
SampleCompressor::~SampleCompressor() = default;

bool SampleCompressor::compress(const std::vector<std::string_view>& pieces, std::string& out) {
    return impl_->compress(pieces, out);
}
