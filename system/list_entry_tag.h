#pragma once
// <listentry action="add|remove" valname="HKLM\...\Environment\Path" entry="C:\Dest"/>
// Adds one entry to, or takes one out of, a text value that holds a list (";"
// separates by default, `separator` names another), comparing whole entries
// ignoring case and rewriting nothing else: the installation appends its
// folder to the machine Path this way and uninstalling or undoing takes
// exactly that entry out again, keeping every other change made since and
// every %NAME% reference of the value as written. A value that is missing is
// created for "add" (with `valtype`, REG_EXPAND_SZ by default) and left alone
// for "remove"; an existing value keeps its type.
#include <string>

#include "engine/tag_handler.h"

class CListEntryHandler : public TagHandlerOf<CListEntryHandler> {
public:
    static constexpr const wchar_t* kTagName = L"ListEntry";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// The list without its last entry equal to `entry` (ignoring case); the list
// itself when there is none.
std::wstring RemoveListEntry(const std::wstring& list, const std::wstring& entry, wchar_t separator);
// The list with `entry` appended, unless an entry equal to it is there.
std::wstring AddListEntry(const std::wstring& list, const std::wstring& entry, wchar_t separator);
