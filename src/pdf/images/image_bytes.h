#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Bounds-checked reading of little- and big-endian integers from a byte buffer.
// Every read first asks Has(), so a truncated or lying file can never make the
// image readers step outside the buffer.
class ImageBytes {
public:
    explicit ImageBytes(std::string_view data) : data_(data) {}

    std::size_t Size() const { return data_.size(); }
    std::string_view Data() const { return data_; }

    // True when [at, at + count) lies inside the buffer (overflow-safe).
    bool Has(std::uint64_t at, std::uint64_t count) const {
        return at <= data_.size() && count <= data_.size() - at;
    }

    std::uint8_t U8(std::size_t at) const { return static_cast<std::uint8_t>(data_[at]); }
    std::uint16_t Le16(std::size_t at) const { return static_cast<std::uint16_t>(U8(at) | U8(at + 1) << 8); }
    std::uint32_t Le32(std::size_t at) const {
        return static_cast<std::uint32_t>(Le16(at)) | static_cast<std::uint32_t>(Le16(at + 2)) << 16;
    }
    std::uint16_t Be16(std::size_t at) const { return static_cast<std::uint16_t>(U8(at) << 8 | U8(at + 1)); }
    std::uint32_t Be32(std::size_t at) const {
        return static_cast<std::uint32_t>(Be16(at)) << 16 | static_cast<std::uint32_t>(Be16(at + 2));
    }

private:
    std::string_view data_;
};
