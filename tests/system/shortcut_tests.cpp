// The createlink tag, with the shortcuts read back through the shell's link
// object.
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "system/com_apartment.h"
#include "system/shortcut_tag.h"
#include "tests/support/test_support.h"
#include "tests/system/system_test_support.h"

namespace {

// Wine's shell link keeps no property store of its own (GetValue is not
// implemented there), so the application id the tag sets cannot be read back
// from the saved shortcut on this machine.

struct LinkContents {
    bool loaded = false;
    std::wstring target;
    std::wstring arguments;
    std::wstring workingFolder;
    std::wstring iconFile;
    int iconIndex = 0;
};

LinkContents ReadLink(const std::wstring& path) {
    LinkContents contents;
    const ComApartment com;
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.OutVoid())) ||
        FAILED(link.QueryInterface(IID_IPersistFile, file)) || FAILED(file->Load(path.c_str(), STGM_READ))) {
        return contents;
    }
    contents.loaded = true;
    wchar_t text[MAX_PATH] = {};
    link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
    contents.target = text;
    text[0] = L'\0';
    link->GetArguments(text, MAX_PATH);
    contents.arguments = text;
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH);
    contents.workingFolder = text;
    text[0] = L'\0';
    link->GetIconLocation(text, MAX_PATH, &contents.iconIndex);
    contents.iconFile = text;
    return contents;
}

TEST(Createlink, WritesEverythingItIsGiven) {
    TempDir dir;
    const std::wstring target = HelperPath(L"exit_code_helper.exe");
    const std::wstring dst = dir.Path() + L"/Zanvo Archiver";
    const TagRun run = RunTag<CCreatelinkHandler>({{L"dst", ToCi(dst)},
                                                   {L"src", ToCi(target)},
                                                   {L"param", L"/welcome"},
                                                   {L"workdir", ToCi(dir.Path())},
                                                   {L"linkprop", L"ZanvoSoft.ZanvoArchiver"},
                                                   {L"iconfile", ToCi(target)},
                                                   {L"iconnum", L"2"}});
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.action, L"Create link " + dst + L" for " + target);
    const LinkContents link = ReadLink(dir / L"Zanvo Archiver.lnk");
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.target, target);
    EXPECT_EQ(link.arguments, L"/welcome");
    EXPECT_EQ(link.workingFolder, dir.Path());
    EXPECT_EQ(link.iconFile, target);
    EXPECT_EQ(link.iconIndex, 2);
}

TEST(Createlink, MinimalShortcut) {
    TempDir dir;
    const std::wstring target = HelperPath(L"exit_code_helper.exe");
    const TagRun run = RunTag<CCreatelinkHandler>({{L"dst", ToCi(dir / L"Plain")}, {L"src", ToCi(target)}});
    EXPECT_EQ(run.result, 0);
    const LinkContents link = ReadLink(dir / L"Plain.lnk");
    ASSERT_TRUE(link.loaded);
    EXPECT_EQ(link.target, target);
    EXPECT_EQ(link.arguments, L"");
    EXPECT_EQ(link.workingFolder, L"");
    EXPECT_EQ(link.iconFile, L"");  // the target's own icon
    EXPECT_NE(run.xmlText.find(L"linkprop=\"\""), std::wstring::npos) << WideToUtf8(run.xmlText);
}

TEST(Createlink, LinkPaths) {
    TempDir dir;
    const std::wstring target = HelperPath(L"exit_code_helper.exe");
    struct Case {
        const char* name;
        std::wstring dst;
        std::wstring file;
    };
    const Case cases[] = {
        {"upper_case_extension_kept", dir / L"Upper.LNK", dir / L"Upper.LNK"},
        {"extension_added", dir / L"Name.txt", dir / L"Name.txt.lnk"},
        {"missing_folders_are_created", dir / L"Start Menu\\Programs\\Zanvo\\Uninstall", dir / L"Start Menu\\Programs\\Zanvo\\Uninstall.lnk"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunTag<CCreatelinkHandler>({{L"dst", ToCi(c.dst)}, {L"src", ToCi(target)}}).result, 0) << c.name;
        EXPECT_TRUE(ReadLink(c.file).loaded) << c.name;
    }
    EXPECT_FALSE(PathExists(dir / L"Upper.LNK.lnk"));
}

TEST(Createlink, FailuresBecomeTheResult) {
    // A folder that cannot be made, and no link path at all.
    EXPECT_NE(RunTag<CCreatelinkHandler>({{L"dst", L"Q:\\nowhere\\x"}, {L"src", L"C:\\x.exe"}}).result, 0);
    EXPECT_EQ(RunTag<CCreatelinkHandler>({{L"src", L"C:\\x.exe"}}).result, E_INVALIDARG);
    EXPECT_FALSE(PathExists(L".lnk"));
}

}  // namespace
