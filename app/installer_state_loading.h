#pragma once
// Filling InstallerState from the machine, and the process-wide instance.
#include "app/installer_state.h"
#include "app/script_inputs.h"
#include "system/report_urls.h"

// Reads the installation folders, the identity and the machine Path as they
// are now; generates and records a UID (the register_uid script) when none is
// known. Tests call it for a fresh record; the program uses GetInstallerState.
InstallerState LoadInstallerState();

// The one record of the process, created on first use under a lock; its
// destruction at exit tells other programs that the environment changed.
InstallerState& GetInstallerState();

// The identity the statistics reports carry for this state.
ReportIdentity ReportIdentityOf(const InstallerState& state);

// The destination the title screen offers for an installation of all users.
std::wstring DefaultMachineDestination();

// The conditions of the built-in documents, evaluated now.
ScriptConditions EvaluateScriptConditions(const InstallerState& state);

// The machine Path value ("Path" of the session manager's environment).
std::wstring ReadMachinePath();
