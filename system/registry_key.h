#pragma once
// Every registry key the program opens goes through here, so that both
// flavors work in the view the shipped 32-bit program has on 64-bit Windows:
// the 64-bit build reaches it with KEY_WOW64_32KEY.
#include <windows.h>

#include <string>

#if defined(_WIN64)
constexpr REGSAM kRegistryView = KEY_WOW64_32KEY;
#else
constexpr REGSAM kRegistryView = 0;
#endif

// An open key, closed when it goes; the predefined keys are never closed.
class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { Close(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegistryKey& operator=(RegistryKey&& other) noexcept;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Wraps a key for its lifetime, closing it unless it is predefined.
    static RegistryKey Adopt(HKEY key);
    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    void Close();
    HKEY key_ = nullptr;
};

// RegOpenKeyExW in the program's view; `key` is left closed on failure.
LSTATUS OpenRegistryKey(HKEY parent, const std::wstring& subkey, REGSAM access, RegistryKey& key);
// RegCreateKeyExW (non-volatile, full access, default security) in the view.
LSTATUS CreateRegistryKey(HKEY parent, const std::wstring& subkey, RegistryKey& key);
// Deletes a key that has no subkeys, in the view.
LSTATUS DeleteRegistryKey(HKEY parent, const std::wstring& subkey);
