#pragma once
// The values of this machine and this run that the built-in documents name,
// and writing the three documents the progress screen runs.
#include <cstdint>

#include "app/installer_state.h"
#include "app/script_inputs.h"

// The SHA-256 of each package the build was configured with (empty: none).
PackageHashes ConfiguredPackageHashes();

// The temporary folder followed by zanvo_install.xml, zanvo_uninstall.xml and
// zanvo_undo.xml.
ScriptPaths DefaultScriptPaths();

// The vendor service, the interface language, the running installer's own
// path, the machine Path as it is now, the shortcut folders and the hashes.
ScriptContext CurrentScriptContext();

// Writes the install, uninstall and undo documents for the state as it is now;
// 0 or the first system error code.
int32_t WriteBuiltinScripts(const ScriptPaths& paths, const InstallerState& state);
