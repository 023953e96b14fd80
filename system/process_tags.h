#pragma once
// The tags that start programs, register libraries and stop running copies
// of the product.
#include "engine/tag_handler.h"

// <exec path="..." param="..." hidden="true" timeout="-1"/>: a program that
// ends within the timeout with a non-zero exit code fails the tag; one still
// running when it expires counts as success.
class CExecHandler : public TagHandlerOf<CExecHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Exec";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// <regdll path="lib.dll" param="/u"/>: regsvr32.exe /s [param] "path", waited
// for; its exit code is the result.
class CRegdllHandler : public TagHandlerOf<CRegdllHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Regdll";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// <killprocess name="zanvomanager.exe" type="msg" timeout="3000"/>: type
// "msg" (or none) asks the windows to close first; 0 or no timeout is 5000.
class CKillprocessHandler : public TagHandlerOf<CKillprocessHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Killprocess";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};
