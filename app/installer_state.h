#pragma once
// What this run of the installer knows about itself and about an existing
// installation: the user's options, the folders found in the registry, the
// identity, the machine Path at start and the installed version.
#include <array>
#include <cstdint>
#include <string>

struct InstallerState {
    bool shellExtensionsOption = true;
    bool associationsOption = true;
    bool statisticsAgreement = true;
    int32_t toolbarMask = 0;
    std::wstring userInstallDir;
    std::wstring machineInstallDir;
    bool isUpdate = false;
    bool uidKnown = true;
    std::wstring channelId;
    std::wstring installerChannelId;
    std::wstring buildId;
    std::wstring buildName;
    std::wstring uid;
    // The machine Path at start, kept in UTF-16: the ANSI code page would
    // corrupt every entry holding a character outside it.
    std::wstring pathAtStart;
    std::array<int32_t, 4> installedVersion{};
    bool replaceUserInstall = false;
};

// The product's folder: an administrator installs machine-wide unless only a
// per-user installation is known, a user the other way round.
std::wstring Destination(const InstallerState& state, bool admin);
std::wstring ProductProgramPath(const InstallerState& state, bool admin);

// Whether a folder lies below the profiles root (the folder holding
// %USERPROFILE%); an empty root counts as a match.
bool IsUnderProfiles(const std::wstring& folder, const std::wstring& profilesRoot);

constexpr const wchar_t* kProductRegistryKey = L"Software\\ZanvoSoft\\ZanvoManager";
