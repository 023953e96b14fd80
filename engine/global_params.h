#pragma once
// Process-wide variables every script sees: the environment, values handed
// over with "/env" by the copy that started this one, the desktop and
// start-menu folders, and the security identifier of the launching user.
#include <string_view>

#include "engine/tag_handler.h"

struct GlobalParams {
    CiString userSid;
    AttributeMap variables;
};

// Built on first use and never changed afterwards.
const GlobalParams& GetGlobalParams();
CiString GetGlobalParam(std::wstring_view variable);

// The pieces GetGlobalParams is made of, in the order it applies them.
// `block` is an environment block: entries ended by zeros, the list by a
// second zero.
void ReadEnvironmentBlock(const wchar_t* block, AttributeMap& variables);
// Reads the "/env " pairs out of a command line (see BuildEnvArgument).
void ReadEnvHandOver(std::wstring_view commandLine, AttributeMap& variables);

// The quoted "/env" argument for a copy of the installer started elevated or
// under another account: the four folders and this process's user name.
std::wstring BuildEnvArgument();

// Names of the folders that travel with "/env", in their order.
extern const wchar_t* const kHandedOverFolders[4];
