#pragma once
// The three documents the installer writes for each installation: the
// install script, and with the same builder the uninstall and undo scripts.
#include <cstdint>
#include <string>

#include "app/script_parameters.h"

enum class RemovalKind { Uninstall, Undo };

// The document texts, exactly as they are saved.
std::string InstallScriptText(const ScriptInputs& inputs);
std::string RemovalScriptText(const ScriptInputs& inputs, RemovalKind kind);

// Write the documents to their paths; 0 or the system error code.
int32_t BuildInstallScript(const ScriptInputs& inputs);
int32_t BuildRemovalScript(const ScriptInputs& inputs, RemovalKind kind);
// All three, install first; 0 or the first system error code.
int32_t BuildAllScripts(const ScriptInputs& inputs);

constexpr const wchar_t* kUninstallKey =
    L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZanvoArchiver";
constexpr const wchar_t* kMachinePathValue =
    L"HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Control\\Session Manager\\Environment\\Path";
