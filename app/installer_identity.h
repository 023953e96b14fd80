#pragma once
// Where the installer's identity comes from: the hidden block of its own
// executable, an installed product's settings.xml, and a generated UID.
#include <optional>
#include <string>

#include "app/hidden_data.h"
#include "app/installer_state.h"

// Applies the hidden block (or the built-in defaults "100", "925759",
// "Test Build") to the state's build id, installer channel and build name;
// the installer's channel replaces the product's when the product has none
// or the block says overwrite.
void ApplyIdentity(InstallerState& state, const std::optional<HiddenIdentity>& hidden);

// The channel an installed product's settings.xml names (root element "chid"),
// reading at most its first MiB.
std::optional<std::wstring> ReadSettingsChannel(const std::wstring& settingsPath);

// A new UID: "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" in lower-case hex.
std::wstring NewUid();

// The small script that records a newly generated UID under the machine key.
std::string RegisterUidScript(const std::wstring& uid);
