#include "pdf/model/md5.h"

#include <openssl/evp.h>
#include <stdexcept>

std::array<uint8_t, 16> MD5Digest(std::string_view bytes) {
    std::array<uint8_t, 16> digest{};
    unsigned int size = 0;
    // A digest that was not made would give every caller the same name.
    if (EVP_Digest(bytes.data(), bytes.size(), digest.data(), &size, EVP_md5(), nullptr) != 1 ||
        size != digest.size())
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
