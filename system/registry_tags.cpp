#include "system/registry_tags.h"

#include "system/file_version.h"
#include "system/registry_access.h"

namespace {

int32_t WriteValue(const CiString& path, const RegistryData& data) {
    const RegistryValuePath value = SplitRegistryValuePath(ToWide(path));
    return RegistryWriteValue(value.keyPath, value.valueName, data.type, data.bytes.data(),
                              static_cast<DWORD>(data.bytes.size()));
}

}  // namespace

void CRegistryHandler::Process() {
    const CiString valname = AttributeSlot(L"valname");
    const CiString valtype = AttributeSlot(L"valtype");
    const RegistryData data = BuildRegistryData(RegistryTypeFromText(AsView(valtype)), AsView(text));
    progress->action.Describe(ACTION_REGISTRY, {AsView(valname), AsView(text)});
    WriteValue(valname, data);
}

void CRegistryVersionHandler::Process() {
    const CiString src = AttributeSlot(L"src");
    const CiString dst = AttributeSlot(L"dst");
    progress->action.Describe(ACTION_REGISTRY, {AsView(dst), AsView(src)});
    const std::wstring version = FormatFileVersion(ReadFileVersion(ToWide(src)));
    result = WriteValue(dst, BuildRegistryData(REG_SZ, version));
}
