#include "system/shell_link.h"

#include <windows.h>
#include <objidl.h>
#include <propsys.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "common/ci_string.h"
#include "system/com_apartment.h"
#include "files/folder_operations.h"
#include "files/path_functions.h"

namespace {

// System.AppUserModel.ID
const PROPERTYKEY kAppUserModelId = {{0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}},
                                     5};

std::wstring WithLinkExtension(const std::wstring& path) {
    const std::wstring_view extension = L".lnk";
    if (path.size() >= extension.size() &&
        ToCi(std::wstring_view(path).substr(path.size() - extension.size())) == ToCi(extension)) {
        return path;
    }
    return path + std::wstring(extension);
}

// Failures are ignored: a shortcut without the id still works.
void SetAppId(IShellLinkW& shellLink, const std::wstring& appId) {
    ComPtr<IPropertyStore> store;
    if (FAILED(shellLink.QueryInterface(IID_IPropertyStore, store.OutVoid()))) {
        return;  // before Windows 7
    }
    PROPVARIANT value;
    PropVariantInit(&value);
    if (FAILED(SHStrDupW(appId.c_str(), &value.pwszVal))) {
        return;
    }
    value.vt = VT_LPWSTR;
    if (SUCCEEDED(store->SetValue(kAppUserModelId, value))) {
        store->Commit();
    }
    PropVariantClear(&value);
}

HRESULT DescribeLink(IShellLinkW& shellLink, const ShellLink& link) {
    HRESULT hr = shellLink.SetPath(link.target.c_str());
    if (SUCCEEDED(hr) && !link.arguments.empty()) {
        hr = shellLink.SetArguments(link.arguments.c_str());
    }
    if (SUCCEEDED(hr)) {
        hr = shellLink.SetWorkingDirectory(link.workingFolder.c_str());
    }
    if (SUCCEEDED(hr) && !link.iconFile.empty()) {
        hr = shellLink.SetIconLocation(link.iconFile.c_str(), link.iconIndex);
    }
    return hr;
}

}  // namespace

int32_t CreateShellLink(const std::wstring& linkPath, const ShellLink& link) {
    if (linkPath.empty()) {
        return E_INVALIDARG;  // not a stray ".lnk" in the current folder
    }
    const std::wstring path = WithLinkExtension(linkPath);
    const auto [folder, name] = SplitPath(path);
    if (folder.size() > 1) {
        if (const int32_t created = CreateDirectoryPath(folder); created != 0) {
            return created;
        }
    }
    const ComApartment com;
    if (!com.Usable()) {
        return com.Result();
    }
    ComPtr<IShellLinkW> shellLink;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  shellLink.OutVoid());
    if (FAILED(hr)) {
        return hr;
    }
    ComPtr<IPersistFile> file;
    hr = shellLink.QueryInterface(IID_IPersistFile, file);
    if (FAILED(hr)) {
        return hr;
    }
    hr = DescribeLink(*shellLink.Get(), link);
    if (FAILED(hr)) {
        return hr;
    }
    SetAppId(*shellLink.Get(), link.appId);
    hr = file->Save(path.c_str(), TRUE);
    return FAILED(hr) ? hr : S_OK;
}
