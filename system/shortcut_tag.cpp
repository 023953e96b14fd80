#include "system/shortcut_tag.h"

#include <cwchar>

#include "system/shell_link.h"

void CCreatelinkHandler::Process() {
    const CiString dst = AttributeSlot(L"dst");
    const CiString src = AttributeSlot(L"src");
    ShellLink link;
    link.target = ToWide(src);
    link.arguments = ToWide(AttributeSlot(L"param"));
    link.workingFolder = ToWide(AttributeSlot(L"workdir"));
    link.appId = ToWide(AttributeSlot(L"linkprop"));
    // The built-in scripts give the uninstall shortcuts the product's icon.
    link.iconFile = ToWide(GetAttribute(L"iconfile"));
    link.iconIndex = static_cast<int32_t>(std::wcstol(GetAttribute(L"iconnum").c_str(), nullptr, 10));
    progress->action.Describe(ACTION_LINK, {AsView(dst), AsView(src)});
    result = CreateShellLink(ToWide(dst), link);
}
