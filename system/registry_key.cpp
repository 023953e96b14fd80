#include "system/registry_key.h"

#include <cstdint>

namespace {

bool IsPredefined(HKEY key) {
    // HKEY_CLASSES_ROOT is the first of the predefined handles, which take
    // the next 256 values.
    const auto value = reinterpret_cast<uintptr_t>(key);
    const auto first = reinterpret_cast<uintptr_t>(HKEY_CLASSES_ROOT);
    return value >= first && value <= first + 0xFF;
}

}  // namespace

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    if (this != &other) {
        Close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

RegistryKey RegistryKey::Adopt(HKEY key) {
    RegistryKey owned;
    owned.key_ = key;
    return owned;
}

void RegistryKey::Close() {
    if (key_ != nullptr && !IsPredefined(key_)) {
        RegCloseKey(key_);
    }
    key_ = nullptr;
}

LSTATUS OpenRegistryKey(HKEY parent, const std::wstring& subkey, REGSAM access, RegistryKey& key) {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExW(parent, subkey.c_str(), 0, access | kRegistryView, &opened);
    key = RegistryKey::Adopt(status == ERROR_SUCCESS ? opened : nullptr);
    return status;
}

LSTATUS CreateRegistryKey(HKEY parent, const std::wstring& subkey, RegistryKey& key) {
    HKEY created = nullptr;
    const LSTATUS status = RegCreateKeyExW(parent, subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS | kRegistryView, nullptr, &created, nullptr);
    key = RegistryKey::Adopt(status == ERROR_SUCCESS ? created : nullptr);
    return status;
}

LSTATUS DeleteRegistryKey(HKEY parent, const std::wstring& subkey) {
#if defined(_WIN64)
    return RegDeleteKeyExW(parent, subkey.c_str(), kRegistryView, 0);
#else
    // RegDeleteKeyExW is missing on 32-bit Windows XP; the 32-bit program is
    // in its own view anyway.
    return RegDeleteKeyW(parent, subkey.c_str());
#endif
}
