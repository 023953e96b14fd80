// The templates, artwork and manifest the screens load: every control of
// the screens' tables with its class, kind, key, place and visibility.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/ui/ui_test_support.h"
#include "tools/gui-driver/gui_driver.h"

namespace {

constexpr DWORD kButtonKind = BS_TYPEMASK;
constexpr DWORD kStaticKind = SS_TYPEMASK;

struct ControlCase {
    int dialog;
    int id;
    const wchar_t* className;
    DWORD kindMask;
    DWORD kind;
    const wchar_t* text;
    RECT units;  // x, y, width, height in dialog units
    bool visible;
};

// A bitmap static sizes itself to its picture, so only its place is checked.
bool IsBitmap(const ControlCase& c) { return c.kindMask == kStaticKind && c.kind == SS_BITMAP; }

const ControlCase kControls[] = {
    {IDD_TITLE, 1009, L"Static", kStaticKind, SS_BITMAP, L"", {24, 26, 100, 76}, true},
    {IDD_TITLE, 1010, L"Static", kStaticKind, SS_BITMAP, L"", {6, 103, 138, 42}, true},
    {IDD_TITLE, 1007, L"Button", kButtonKind, BS_DEFPUSHBUTTON, L"IDC_BUTTON_NEXT", {160, 111, 191, 20}, true},
    {IDD_TITLE, 1050, L"Static", kStaticKind, SS_LEFT, L"IDC_LICENSE_CHOICE_DESCRIPTION", {9, 201, 162, 18}, true},
    {IDD_TITLE, 1052, L"Static", kStaticKind, SS_LEFT, L"IDC_SHOW_LICENSE_LINK", {163, 201, 127, 11}, true},
    {IDD_TITLE, 1046, L"Static", kStaticKind, SS_CENTER, L"IDC_FIRST_SCREEN_TEXT", {160, 44, 190, 49}, true},
    {IDD_TITLE, 1091, L"Button", kButtonKind, BS_AUTORADIOBUTTON, L"IDC_RADIOPF", {9, 220, 309, 10}, true},
    {IDD_TITLE, 1092, L"Button", kButtonKind, BS_AUTORADIOBUTTON, L"IDC_RADIOAPPDATA", {9, 231, 309, 10}, true},
    {IDD_TITLE, 1093, L"Button", kButtonKind, BS_AUTORADIOBUTTON, L"IDC_RADIOCHOOSE", {9, 242, 309, 10}, true},
    {IDD_TITLE, 1062, L"Button", kButtonKind, BS_AUTOCHECKBOX, L"IDC_CHECK_EXTENSIONS", {9, 256, 365, 10}, true},
    {IDD_TITLE, 1063, L"Button", kButtonKind, BS_AUTOCHECKBOX, L"IDC_CHECK_ASSOCIATIONS", {9, 266, 365, 10}, true},
    {IDD_TITLE, 1064, L"Button", kButtonKind, BS_AUTOCHECKBOX, L"IDC_CHECK_STATS", {9, 277, 365, 10}, true},
    {IDD_TITLE, 1094, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_USERNADMIN", {24, 149, 339, 8}, true},
    {IDD_TITLE, 1095, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_USERNADMIN2", {24, 158, 339, 8}, true},
    {IDD_TITLE, 1100, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_2COPY_0", {9, 170, 365, 8}, true},
    {IDD_TITLE, 1101, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_2COPY_1", {9, 179, 365, 15}, true},
    {IDD_TITLE, 1098, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_LOCAL_INST_0", {9, 170, 365, 8}, true},
    {IDD_TITLE, 1099, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_LOCAL_INST_1", {9, 179, 365, 8}, true},
    {IDD_TITLE, 1102, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_SETUP_WIZ_0", {9, 170, 365, 8}, true},
    {IDD_TITLE, 1103, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_SETUP_WIZ_1", {9, 179, 365, 15}, true},

    {IDD_LICENSE, 1008, L"Button", kButtonKind, BS_PUSHBUTTON, L"IDC_BUTTON_CANCEL", {272, 203, 50, 16}, true},
    {IDD_LICENSE, 1040, L"Static", kStaticKind, SS_LEFT, L"IDC_TEXT_SCREEN_HEADER_LICENSE", {48, 7, 144, 19}, true},
    {IDD_LICENSE, 1015, L"Edit", ES_MULTILINE | ES_READONLY | WS_VSCROLL, ES_MULTILINE | ES_READONLY | WS_VSCROLL,
     L"", {6, 37, 317, 148}, true},

    {IDD_INSTALL_PROGRESS, 1034, PROGRESS_CLASSW, 0xF, PBS_SMOOTH, L"", {8, 240, 300, 10}, true},
    {IDD_INSTALL_PROGRESS, 1035, PROGRESS_CLASSW, 0xF, PBS_SMOOTH, L"", {8, 221, 300, 10}, true},
    {IDD_INSTALL_PROGRESS, 1071, L"Static", kStaticKind, SS_ETCHEDFRAME, L"", {15, 19, 344, 165}, true},
    {IDD_INSTALL_PROGRESS, 1060, L"Button", kButtonKind, BS_PUSHBUTTON, L"IDC_BUTTON_BACKGROUND", {317, 228, 50, 14},
     true},

    {IDD_FINISH_REBOOT, 1007, L"Button", kButtonKind, BS_DEFPUSHBUTTON, L"IDC_BUTTON_FINISH", {310, 225, 50, 14}, true},
    {IDD_FINISH_REBOOT, 1044, L"Static", kStaticKind, SS_LEFT, L"IDC_TEXT_FINAL_INSTRUCTIONS", {137, 61, 216, 36},
     true},
    {IDD_FINISH_REBOOT, 1046, L"Button", kButtonKind, BS_AUTORADIOBUTTON, L"IDC_RADIO_REBOOT_NOW", {137, 112, 223, 15},
     true},
    {IDD_FINISH_REBOOT, 1048, L"Button", kButtonKind, BS_AUTORADIOBUTTON, L"IDC_RADIO_REBOOT_LATER",
     {137, 143, 230, 15}, true},

    // Both buttons are default push buttons in the template, but a dialog keeps
    // one: the dialog manager leaves the style to the later, OK (1076).
    {IDD_UNINSTALL, 1075, L"Button", kButtonKind, BS_PUSHBUTTON, L"IDC_BUTTON_UNINSTALL", {249, 222, 86, 14}, true},
    {IDD_UNINSTALL, 1053, L"Static", kStaticKind, SS_LEFT, L"IDC_TEXT_UNINSTALL_ACTION", {161, 95, 169, 30}, true},
    {IDD_UNINSTALL, 1062, L"Button", kButtonKind, BS_AUTOCHECKBOX, L"IDC_CB_LEAVE_MESSAGE", {166, 133, 155, 10}, true},
    {IDD_UNINSTALL, 1052, L"Static", kStaticKind, SS_LEFT, L"IDC_TEXT_UNINSTALL_CAPTION", {161, 53, 166, 19}, true},
    {IDD_UNINSTALL, 1009, L"Static", kStaticKind, SS_BITMAP, L"", {26, 56, 100, 76}, true},
    {IDD_UNINSTALL, 1010, L"Static", kStaticKind, SS_BITMAP, L"", {8, 133, 138, 42}, true},
    {IDD_UNINSTALL, 1080, L"Static", kStaticKind, SS_LEFT, L"IDC_TEXT_UNINSTALLED_ACTION", {159, 91, 169, 30}, false},
    {IDD_UNINSTALL, 1076, L"Button", kButtonKind, BS_DEFPUSHBUTTON, L"IDC_BUTTON_UNINSTALL2", {259, 222, 86, 14},
     false},
    {IDD_UNINSTALL, 1096, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_USERNADMIN_U", {24, 182, 339, 8}, true},
    {IDD_UNINSTALL, 1097, L"Static", kStaticKind, SS_LEFT, L"IDC_STATIC_RED_USERNADMIN2_U", {24, 191, 339, 8}, true},
};

TEST(Templates, HoldEveryControlOfTheirScreens) {
    for (const ControlCase& c : kControls) {
        const std::string name = "template " + std::to_string(c.dialog) + ", control " + std::to_string(c.id);
        TemplateDialog dialog(c.dialog);
        ASSERT_NE(dialog.Window(), nullptr) << name;
        HWND control = dialog.Control(c.id);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(ClassOf(control), c.className) << name;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        EXPECT_EQ(style & c.kindMask, c.kind) << name;
        if (!IsBitmap(c)) {
            EXPECT_EQ(ReadText(control), c.text) << name;
        }
        EXPECT_EQ((style & WS_VISIBLE) != 0, c.visible) << name;

        const RECT expected = DialogUnitsToPixels(dialog.Window(), c.units.left, c.units.top, c.units.right,
                                                  c.units.bottom);
        const RECT actual = PlaceInDialog(dialog.Window(), control);
        EXPECT_EQ(actual.left, expected.left) << name;
        EXPECT_EQ(actual.top, expected.top) << name;
        if (IsBitmap(c)) {
            EXPECT_NE(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << name;
        } else {
            EXPECT_EQ(actual.right, expected.right) << name;
            EXPECT_EQ(actual.bottom, expected.bottom) << name;
        }
    }
}

struct DialogCase {
    int dialog;
    int width;
    int height;
    DWORD style;
    DWORD extendedStyle;
};

TEST(Templates, HaveTheSizeAndKindOfTheirWindows) {
    const DialogCase cases[] = {
        {IDD_MAIN, 380, 297, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_CENTER, WS_EX_CONTROLPARENT},
        {IDD_TITLE, 380, 297, WS_CHILD | WS_VISIBLE | DS_CONTROL, 0},
        {IDD_LICENSE, 330, 222, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER, WS_EX_APPWINDOW},
        {IDD_INSTALL_PROGRESS, 395, 297, WS_CHILD | WS_VISIBLE | DS_CONTROL, 0},
        {IDD_FINISH_REBOOT, 380, 297, WS_CHILD | WS_VISIBLE | DS_CONTROL, 0},
        {IDD_UNINSTALL, 386, 297, WS_CHILD | WS_VISIBLE | DS_CONTROL, 0},
    };
    for (const DialogCase& c : cases) {
        const std::string name = "template " + std::to_string(c.dialog);
        TemplateDialog dialog(c.dialog);
        ASSERT_NE(dialog.Window(), nullptr) << name;
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog.Window(), GWL_STYLE));
        const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(dialog.Window(), GWL_EXSTYLE));
        EXPECT_EQ(style & c.style, c.style) << name;
        EXPECT_EQ(extendedStyle & c.extendedStyle, c.extendedStyle) << name;
        RECT client;
        GetClientRect(dialog.Window(), &client);
        const RECT expected = DialogUnitsToPixels(dialog.Window(), 0, 0, c.width, c.height);
        EXPECT_EQ(client.right, expected.right) << name;
        EXPECT_EQ(client.bottom, expected.bottom) << name;
    }
}

TEST(Templates, LicenceDialogShowsTheMakersAddressDisabled) {
    TemplateDialog dialog(IDD_LICENSE);
    EXPECT_EQ(ReadText(dialog.Window()), L"Zanvo Archiver");
    HWND address = FindWindowExW(dialog.Window(), nullptr, L"Static", L"www.kelvarion.com");
    ASSERT_NE(address, nullptr);
    EXPECT_FALSE(IsWindowEnabled(address));
}

struct BitmapCase {
    int id;
    int width;
    int height;
};

TEST(Artwork, BitmapsHaveTheirSizesInTwentyFourBits) {
    std::vector<BitmapCase> cases = {{IDB_MAKER_LOGO, 150, 40}, {IDB_PRODUCT_PICTURE, 117, 128},
                                     {IDB_LICENSE_HEADER, 60, 55}};
    for (int flag = IDB_FLAG_AR; flag <= IDB_FLAG_ZH; ++flag) {
        cases.push_back({flag, 16, 12});
    }
    for (const BitmapCase& c : cases) {
        const std::string name = "bitmap " + std::to_string(c.id);
        auto bitmap = static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << name;
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof section, &section), static_cast<int>(sizeof section)) << name;
        EXPECT_EQ(section.dsBm.bmWidth, c.width) << name;
        EXPECT_EQ(section.dsBm.bmHeight, c.height) << name;
        EXPECT_EQ(section.dsBm.bmBitsPixel, 24) << name;
        DeleteObject(bitmap);
    }
}

TEST(Artwork, IconComesInTheSizesWindowsAsksFor) {
    for (int size : {16, 32, 48}) {
        auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PRODUCT), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << size;
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

TEST(Manifest, RunsAsInvokerWithCommonControlsSixOnVistaAndSeven) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(found, nullptr);
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    const std::string manifest(bytes, SizeofResource(nullptr, found));
    for (const char* part : {"level=\"asInvoker\"", "name=\"Microsoft.Windows.Common-Controls\"",
                             "version=\"6.0.0.0\"", "{e2011457-1546-43c5-a5fe-008deee3d3f0}",
                             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }

    // The loader honoured it: the common controls in use come from the
    // side-by-side folder of version 6.
    InitCommonControls();
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
    CharLowerW(path);
    const std::wstring module = path;
    EXPECT_NE(module.find(L"common-controls_6595b64144ccf1df_6."), std::wstring::npos)
        << std::string(module.begin(), module.end());
}

}  // namespace
