#include "system/platform_facts.h"

#include <memory>

#include "files/unique_handle.h"
#include "system/registry_key.h"

namespace {

const PlatformFacts* gOverride = nullptr;

PlatformFacts ReadPlatformFacts() {
    PlatformFacts facts;
    facts.userIsAdmin = CheckUserIsAdmin();
    facts.elevationType = ReadElevationType();
    facts.uacEnabled = ReadUacEnabled();
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (GetVersionExW(&version)) {
#pragma GCC diagnostic pop
        facts.windowsMajor = version.dwMajorVersion;
        facts.windowsMinor = version.dwMinorVersion;
    }
    facts.win64 = IsWindows64Bit();
    return facts;
}

// The token of the current thread when it impersonates, else the process's.
UniqueHandle OpenEffectiveToken() {
    HANDLE token = nullptr;
    if (OpenThreadToken(GetCurrentThread(), TOKEN_DUPLICATE | TOKEN_QUERY, TRUE, &token)) {
        return UniqueHandle(token);
    }
    if (GetLastError() != ERROR_NO_TOKEN) {
        return UniqueHandle();
    }
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_DUPLICATE | TOKEN_QUERY, &token)) {
        return UniqueHandle(token);
    }
    return UniqueHandle();
}

struct SidDeleter {
    void operator()(PSID sid) const { FreeSid(sid); }
};
struct LocalDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};

}  // namespace

const PlatformFacts& CurrentPlatformFacts() {
    static const PlatformFacts real = ReadPlatformFacts();
    return gOverride != nullptr ? *gOverride : real;
}

ScopedPlatformFacts::ScopedPlatformFacts(const PlatformFacts& facts) : facts_(facts), previous_(gOverride) {
    gOverride = &facts_;
}

ScopedPlatformFacts::~ScopedPlatformFacts() { gOverride = previous_; }

bool CheckUserIsAdmin() {
    // An access check against a descriptor that grants access only to the
    // Administrators group: a filtered UAC token holds the group for deny
    // only, so it fails, while an elevated one passes.
    const UniqueHandle token = OpenEffectiveToken();
    if (!token) {
        return false;
    }
    HANDLE impersonation = nullptr;
    if (!DuplicateToken(token.get(), SecurityImpersonation, &impersonation)) {
        return false;
    }
    const UniqueHandle duplicate(impersonation);

    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID adminsSid = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0,
                                  0, 0, 0, &adminsSid)) {
        return false;
    }
    const std::unique_ptr<void, SidDeleter> admins(adminsSid);

    const DWORD aclSize = GetLengthSid(adminsSid) + sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD);
    const std::unique_ptr<void, LocalDeleter> descriptorMemory(LocalAlloc(LPTR, SECURITY_DESCRIPTOR_MIN_LENGTH));
    const std::unique_ptr<void, LocalDeleter> aclMemory(LocalAlloc(LPTR, aclSize));
    if (!descriptorMemory || !aclMemory) {
        return false;
    }
    auto* descriptor = static_cast<PSECURITY_DESCRIPTOR>(descriptorMemory.get());
    auto* acl = static_cast<PACL>(aclMemory.get());
    const DWORD kAccessRead = 1;
    const DWORD kAccessWrite = 2;
    if (!InitializeSecurityDescriptor(descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !InitializeAcl(acl, aclSize, ACL_REVISION2) ||
        !AddAccessAllowedAce(acl, ACL_REVISION2, kAccessRead | kAccessWrite, adminsSid) ||
        !SetSecurityDescriptorDacl(descriptor, TRUE, acl, FALSE) ||
        !SetSecurityDescriptorGroup(descriptor, adminsSid, FALSE) ||
        !SetSecurityDescriptorOwner(descriptor, adminsSid, FALSE) || !IsValidSecurityDescriptor(descriptor)) {
        return false;
    }

    GENERIC_MAPPING mapping{kAccessRead, kAccessWrite, 0, kAccessRead | kAccessWrite};
    PRIVILEGE_SET privileges{};
    DWORD privilegesSize = sizeof(privileges);
    DWORD granted = 0;
    BOOL status = FALSE;
    if (!AccessCheck(descriptor, duplicate.get(), kAccessRead, &mapping, &privileges, &privilegesSize, &granted,
                     &status)) {
        return false;
    }
    return status != FALSE;
}

int ReadElevationType() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
        return ELEVATION_UNKNOWN;
    }
    const UniqueHandle owned(token);
    DWORD type = 0;
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenElevationType, &type, sizeof(type), &size)) {
        return ELEVATION_UNKNOWN;
    }
    return static_cast<int>(type);
}

bool ReadUacEnabled() {
    RegistryKey key;
    if (OpenRegistryKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                        KEY_QUERY_VALUE, key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExW(key.Get(), L"EnableLUA", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    return value != 0;
}

bool IsWindows64Bit() {
#if defined(_WIN64)
    return true;
#else
    // Looked up by name: Windows XP before SP2 has no IsWow64Process.
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    const auto isWow64Process = reinterpret_cast<IsWow64ProcessFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}
