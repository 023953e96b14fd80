#pragma once
// Writing a Windows shortcut file through the shell's link object.
#include <cstdint>
#include <string>

struct ShellLink {
    std::wstring target;
    std::wstring arguments;      // not set when empty
    std::wstring workingFolder;  // set also when empty
    // System.AppUserModel.ID, so the taskbar groups the product's windows
    // with the shortcut; set also when empty, on Windows 7 and later.
    std::wstring appId;
    std::wstring iconFile;  // the target's own icon when empty
    int32_t iconIndex = 0;
};

// Saves `link` at linkPath (".lnk" appended unless present, ignoring case),
// creating its folder first. Returns 0, the error code of the folder
// creation, or the failing HRESULT (E_INVALIDARG for an empty link path).
int32_t CreateShellLink(const std::wstring& linkPath, const ShellLink& link);
