#pragma once
// SHA-256 of a download, computed by the system's CNG provider while the body
// streams in, so a large package is not read a second time.
#include <windows.h>

#include <bcrypt.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

class Sha256Digest {
public:
    Sha256Digest();
    // 0 when the provider is ready; else the failure as an HRESULT.
    int32_t Status() const { return status_; }
    void Update(const void* data, unsigned long size);
    // Lower-case hexadecimal; empty when the provider failed.
    std::wstring FinishHex();

private:
    struct AlgorithmCloser {
        void operator()(BCRYPT_ALG_HANDLE handle) const { BCryptCloseAlgorithmProvider(handle, 0); }
    };
    struct HashCloser {
        void operator()(BCRYPT_HASH_HANDLE handle) const { BCryptDestroyHash(handle); }
    };
    std::unique_ptr<std::remove_pointer_t<BCRYPT_ALG_HANDLE>, AlgorithmCloser> algorithm_;
    std::unique_ptr<std::remove_pointer_t<BCRYPT_HASH_HANDLE>, HashCloser> hash_;
    int32_t status_ = 0;
};

// Exactly 64 hexadecimal digits, in any case: the form of the `sha256`
// attribute.
bool IsSha256Text(std::wstring_view text);
// Compares two digests written in hexadecimal, ignoring case.
bool SameSha256(std::wstring_view a, std::wstring_view b);
