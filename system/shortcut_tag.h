#pragma once
// The tag that writes shortcuts: desktop, Start menu and uninstall entries.
#include "engine/tag_handler.h"

// <createlink dst="%USER_DESKTOP%/Zanvo Archiver" src="prog.exe" param=""
//  workdir="..." linkprop="app id" iconfile="..." iconnum="0"/>
class CCreatelinkHandler : public TagHandlerOf<CCreatelinkHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Createlink";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};
