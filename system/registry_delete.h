#pragma once
// The registry side of the `delete` tag: a whole key tree or one value,
// sparing the names its `deletefile` children mark with skip="true" at every
// depth of the tree.
#include <windows.h>

#include <cstdint>
#include <string>

class CTagHandler;

// True when the first component of the path is a registry root name.
bool IsRegistryPath(const std::wstring& path);

// Deletes the key the path names, with everything below it, or else the value
// it names. 0 when done or when there was nothing to delete; -1 when a spared
// name kept the key; 2 for a path without separator or with a bad root; else
// the error code of the deletion that failed.
int32_t DeleteRegistryPath(const CTagHandler& handler, const std::wstring& path);

// Deletes `subkey` of `parent` and everything below it except the spared
// names. -1 when something was spared (the keys above it stay); 0 when the key
// is gone; else the error code of the key deletion (2 for a missing key).
int32_t DeleteRegistryTree(const CTagHandler& handler, HKEY parent, const std::wstring& subkey);
