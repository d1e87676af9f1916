#include "pdf/model/md5.h"

#include <stdexcept>

#include "platform/md5_digest.h"

std::array<uint8_t, 16> MD5Digest(std::string_view bytes) {
    std::array<uint8_t, 16> digest{};
    // A digest that was not made would give every caller the same name.
    if (!ComputeMd5(bytes, digest))
        throw std::runtime_error("MD5 digest failed");
    return digest;
}

std::string MD5Hex(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (uint8_t b : MD5Digest(bytes)) {
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out;
}
