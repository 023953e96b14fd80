#pragma once
// Obtaining administrator rights: restarting this program through the shell
// verb "runas", or under an administrator account whose name and password
// the user types in. The copy receives this program's arguments and the
// launching user's folders and name ("/env"), so that shortcuts and per-user
// settings still land with that user.
#include <cstdint>
#include <string>
#include <string_view>

#include "system/platform_facts.h"

// No option bits for EnsureElevated.
constexpr int32_t kNoOptionBits = -1;

// Returns only when this process goes on: 0 (it has the rights it needs, or
// Windows before Vista with administrator rights), 1223 (the user declined
// the elevation or cancelled the credential prompt), -1 (logon or start under
// the other account failed) or another error of the credential prompt. Ends
// this process when a copy was started (exit code 0 after "runas", -2 after
// a logon) and when "runas" failed for another reason (with that code).
// `extra` and optionBits (shell extensions 1, associations 2, statistics 4)
// are added to the copy's arguments.
int32_t EnsureElevated(const std::wstring& extra = std::wstring(), int32_t optionBits = kNoOptionBits);

// What EnsureElevated does, given the facts in force.
enum class ElevationStep {
    kContinue,
    kRelaunchElevated,
    kRelaunchWithCredentials,
};
ElevationStep DecideElevation(const PlatformFacts& facts);

// The acts EnsureElevated is made of; tests put their own in place.
struct ElevationActions {
    int32_t (*relaunchElevated)(const std::wstring& gateArguments);
    int32_t (*relaunchWithCredentials)(const std::wstring& gateArguments);
    void (*endProcess)(int32_t exitCode);
};
int32_t EnsureElevatedWith(const ElevationActions& actions, const std::wstring& extra, int32_t optionBits);

// The gate's argument text: extra, then " /opt_check N" when option bits
// are given (without the blank when extra is empty).
std::wstring BuildGateArguments(const std::wstring& extra, int32_t optionBits);

// Starts this program again with the verb "runas" and does not wait for it:
// 0, or the error of the start (1223 when the user declined).
int32_t RelaunchElevated(const std::wstring& gateArguments);
// Asks for an administrator's name and password and starts this program
// again under that account: 0 when the copy was started, the prompt's error
// (1223 when cancelled), or -1 when the logon or the start failed.
int32_t RelaunchWithCredentials(const std::wstring& gateArguments);

// A command line without its first token (the program), as the copy started
// with "runas" gets it: a quoted token ends at its closing quote, an unquoted
// one at the first blank or control character; blanks after it are skipped.
std::wstring_view ArgumentsAfterProgramName(std::wstring_view commandLine);
// The argument text of the "runas" copy: this program's arguments, the
// gate's text and the "/env" hand-over.
std::wstring BuildElevatedArguments(std::wstring_view commandLine, const std::wstring& gateArguments,
                                    const std::wstring& envArgument);
// The whole command line of the copy started under another account.
std::wstring BuildLogonCommandLine(std::wstring_view commandLine, const std::wstring& gateArguments,
                                   const std::wstring& envArgument);
