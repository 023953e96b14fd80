#include "files/sha256_digest.h"

#include "common/ci_string.h"

namespace {

int32_t FromNtStatus(NTSTATUS status) { return static_cast<int32_t>(HRESULT_FROM_NT(status)); }

}  // namespace

Sha256Digest::Sha256Digest() {
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    NTSTATUS status = BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0);
    if (!BCRYPT_SUCCESS(status)) {
        status_ = FromNtStatus(status);
        return;
    }
    algorithm_.reset(algorithm);
    BCRYPT_HASH_HANDLE hash = nullptr;
    // With no object buffer the provider allocates the hash state itself.
    status = BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0);
    if (!BCRYPT_SUCCESS(status)) {
        status_ = FromNtStatus(status);
        return;
    }
    hash_.reset(hash);
}

void Sha256Digest::Update(const void* data, unsigned long size) {
    if (status_ != 0) {
        return;
    }
    const NTSTATUS status = BCryptHashData(hash_.get(), static_cast<PUCHAR>(const_cast<void*>(data)), size, 0);
    if (!BCRYPT_SUCCESS(status)) {
        status_ = FromNtStatus(status);
    }
}

std::wstring Sha256Digest::FinishHex() {
    unsigned char digest[32];
    if (status_ != 0 || !BCRYPT_SUCCESS(BCryptFinishHash(hash_.get(), digest, sizeof(digest), 0))) {
        return std::wstring();
    }
    static const wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring hex;
    for (unsigned char byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

bool IsSha256Text(std::wstring_view text) {
    if (text.size() != 64) {
        return false;
    }
    for (wchar_t c : text) {
        if (!((c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'))) {
            return false;
        }
    }
    return true;
}

bool SameSha256(std::wstring_view a, std::wstring_view b) { return ToCi(a) == ToCi(b); }
