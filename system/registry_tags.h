#pragma once
// The tags that write registry values.
#include "engine/tag_handler.h"

// <registry valname="HKLM\Software\X\Name" valtype="reg_dword">1</registry>
// A failed write does not fail the script.
class CRegistryHandler : public TagHandlerOf<CRegistryHandler> {
public:
    static constexpr const wchar_t* kTagName = L"Registry";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};

// <RegistryVersion src="file" dst="HKLM\Software\X\Version"/>: writes the
// file's version as "major.minor.build.revision" (REG_SZ); 0.0.0.0 for a
// file without a version.
class CRegistryVersionHandler : public TagHandlerOf<CRegistryVersionHandler> {
public:
    static constexpr const wchar_t* kTagName = L"RegistryVersion";
    using TagHandlerOf::TagHandlerOf;
    void Process() override;
};
