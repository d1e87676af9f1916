#include "platform/md5_digest.h"

#include <openssl/evp.h>

bool ComputeMd5(std::string_view bytes, std::array<std::uint8_t, 16>& digest) {
    unsigned int size = 0;
    return EVP_Digest(bytes.data(), bytes.size(), digest.data(), &size, EVP_md5(), nullptr) == 1 &&
           size == digest.size();
}
