#include "platform/sample_compressor.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include <libdeflate.h>

#include "platform/linux/huge_pages.h"

namespace {

constexpr int kLevel = 6;

} // namespace

// libdeflate compresses whole buffers: samples in several pieces are gathered into one first, and the
// output goes to a buffer of the worst-case size. Both buffers are kept for the next image, so that a
// page does not fault in fresh memory; neither is cleared, so that the output buffer's unused tail is
// never touched.
class SampleCompressor::Impl {
public:
    Impl() : compressor_(libdeflate_alloc_compressor(kLevel)) {}
    ~Impl() {
        if (compressor_ != nullptr) {
            libdeflate_free_compressor(compressor_);
        }
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    bool compress(const std::vector<std::string_view>& pieces, std::string& out) {
        if (compressor_ == nullptr) {
            return false;
        }
        std::string_view input;
        if (pieces.size() == 1) {
            input = pieces.front();
        } else {
            std::size_t total = 0;
            for (std::string_view piece : pieces) {
                total += piece.size();
            }
            reserve(gathered_, gatheredSize_, total, true);
            if (gathered_ == nullptr && total > 0) {
                return false;
            }
            char* at = gathered_.get();
            for (std::string_view piece : pieces) {
                if (!piece.empty()) {
                    std::memcpy(at, piece.data(), piece.size());
                    at += piece.size();
                }
            }
            input = std::string_view(gathered_.get(), total);
        }
        const std::size_t bound = libdeflate_zlib_compress_bound(compressor_, input.size());
        reserve(compressed_, compressedSize_, bound, false);
        if (compressed_ == nullptr) {
            return false;
        }
        const std::size_t size =
            libdeflate_zlib_compress(compressor_, input.data(), input.size(), compressed_.get(), bound);
        if (size == 0) {
            return false;
        }
        out.assign(compressed_.get(), size);
        return true;
    }

private:
    struct FreeBuffer {
        void operator()(char* buffer) const { std::free(buffer); }
    };
    using Buffer = std::unique_ptr<char, FreeBuffer>;

    // The gathered samples are all touched: huge pages make that cheap. The output buffer is of the
    // worst-case size but only its head is written: plain pages keep the rest out of memory.
    static void reserve(Buffer& buffer, std::size_t& size, std::size_t wanted, bool hugePages) {
        if (size < wanted) {
            buffer.reset(hugePages ? AllocateHugePageBuffer(wanted)
                                   : static_cast<char*>(std::malloc(wanted)));
            size = buffer ? wanted : 0;
        }
    }

    libdeflate_compressor* compressor_;
    Buffer gathered_;
    std::size_t gatheredSize_ = 0;
    Buffer compressed_;
    std::size_t compressedSize_ = 0;
};

SampleCompressor::SampleCompressor() : impl_(std::make_unique<Impl>()) {}

SampleCompressor::~SampleCompressor() = default;

bool SampleCompressor::compress(const std::vector<std::string_view>& pieces, std::string& out) {
    return impl_->compress(pieces, out);
}
