#include "platform/md5_digest.h"

#include <vector>
#include <windows.h>
// windows.h first
#include <bcrypt.h>

namespace {

class AlgorithmProvider {
public:
    AlgorithmProvider() {
        opened_ = BCryptOpenAlgorithmProvider(&handle_, BCRYPT_MD5_ALGORITHM, nullptr, 0) >= 0;
    }
    ~AlgorithmProvider() {
        if (opened_)
            BCryptCloseAlgorithmProvider(handle_, 0);
    }
    AlgorithmProvider(const AlgorithmProvider&) = delete;
    AlgorithmProvider& operator=(const AlgorithmProvider&) = delete;
    BCRYPT_ALG_HANDLE get() const { return opened_ ? handle_ : nullptr; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
    bool opened_ = false;
};

class Hash {
public:
    ~Hash() {
        if (handle_)
            BCryptDestroyHash(handle_);
    }
    BCRYPT_HASH_HANDLE* out() { return &handle_; }
    BCRYPT_HASH_HANDLE get() const { return handle_; }

private:
    BCRYPT_HASH_HANDLE handle_ = nullptr;
};

} // namespace

// The hash object's size is asked of the provider: it differs between Windows versions (and Wine).
bool ComputeMd5(std::string_view bytes, std::array<std::uint8_t, 16>& digest) {
    AlgorithmProvider provider;
    if (!provider.get())
        return false;
    DWORD objectLength = 0;
    ULONG answered = 0;
    if (BCryptGetProperty(provider.get(), BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectLength),
                          sizeof objectLength, &answered, 0) < 0)
        return false;
    std::vector<UCHAR> object(objectLength);
    Hash hash;
    if (BCryptCreateHash(provider.get(), hash.out(), object.data(), objectLength, nullptr, 0, 0) < 0)
        return false;
    // BCryptHashData takes at most 4 GB at a time.
    const auto* data = reinterpret_cast<const UCHAR*>(bytes.data());
    std::size_t left = bytes.size();
    while (left > 0) {
        const auto chunk = static_cast<ULONG>(left > 0x40000000 ? 0x40000000 : left);
        if (BCryptHashData(hash.get(), const_cast<PUCHAR>(data), chunk, 0) < 0)
            return false;
        data += chunk;
        left -= chunk;
    }
    return BCryptFinishHash(hash.get(), digest.data(), static_cast<ULONG>(digest.size()), 0) >= 0;
}
