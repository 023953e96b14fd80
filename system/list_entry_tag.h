#pragma once
// <removelistentry valname="HKLM\...\Environment\Path" entry="C:\Dest"/>
// Takes one entry out of a text value that holds a list (";" separates by
// default, `separator` names another), comparing whole entries ignoring case.
// Uninstalling uses it to remove exactly the folder the installation appended
// to the machine Path, keeping every other change made since. A missing
// value, or one without the entry, is left alone; the value keeps its type.
#include <string>

#include "engine/tag_handler.h"

class CRemoveListEntryHandler : public TagHandlerOf<CRemoveListEntryHandler> {
public:
    static constexpr const wchar_t* kTagName = L"RemoveListEntry";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// The list without its last entry equal to `entry` (ignoring case); the list
// itself when there is none.
std::wstring RemoveListEntry(const std::wstring& list, const std::wstring& entry, wchar_t separator);
