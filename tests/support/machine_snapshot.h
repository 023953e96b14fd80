#pragma once
// A picture of the parts of the machine an installation touches (file trees
// and registry key trees), to check that an undo or uninstall left the
// machine as it was.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

struct RegistryTree {
    HKEY root;
    std::wstring path;  // below root, read in the 32-bit program's view
};

class MachineSnapshot {
public:
    // Entries are "file <path> <size>", "dir <path>", "value <key>\<name> <type> <hex data>".
    static MachineSnapshot Take(const std::vector<std::wstring>& folders, const std::vector<RegistryTree>& keys);

    // Lines present in one snapshot and not the other, "+" for new, "-" for gone.
    std::vector<std::wstring> DifferencesTo(const MachineSnapshot& later) const;

    std::map<std::wstring, std::wstring> entries;  // key -> description
};

// One difference a line, for failure messages.
std::wstring SnapshotText(const std::vector<std::wstring>& lines);
