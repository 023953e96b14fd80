#pragma once
// The running program's own file and folder. A running program's image can be
// renamed but not deleted, so the delete operations leave it (and a folder
// holding it) to the self-removal script.
#include <string>
#include <string_view>

// Computed on first use and kept for the life of the process.
const std::wstring& GetOwnModulePath();
const std::wstring& GetOwnModuleFolder();

bool IsOwnModule(std::wstring_view path);
// The program's file itself or a folder that holds it.
bool HoldsOwnModule(std::wstring_view path);
// The program's folder itself or a folder that holds it.
bool HoldsOwnFolder(std::wstring_view path);
