#include "ui/title_screen.h"

#include <shlobj.h>

#include <initializer_list>

#include "app/installer_state_loading.h"
#include "common/text_conversion.h"
#include "engine/global_params.h"
#include "files/folder_operations.h"
#include "files/path_functions.h"
#include "resources/resource_ids.h"
#include "system/elevation.h"
#include "system/platform_facts.h"
#include "ui/control_font.h"
#include "ui/dialog_text.h"
#include "ui/hyperlink.h"
#include "ui/install_progress_screen.h"
#include "ui/license_dialog.h"
#include "ui/main_window.h"
#include "ui/screen_registerer.h"

namespace {

constexpr wchar_t kProductFolderName[] = L"Zanvo Archiver";
constexpr COLORREF kScreenColour = RGB(243, 243, 245);
constexpr COLORREF kLinkColour = RGB(44, 44, 88);
constexpr COLORREF kNoticeColour = RGB(255, 0, 0);

std::wstring SpecialFolder(int csidl) {
    wchar_t folder[1024] = {};
    if (!SHGetSpecialFolderPathW(nullptr, folder, csidl, FALSE)) {
        return std::wstring();
    }
    return folder;
}

std::wstring ProductFolderIn(const std::wstring& folder) { return folder + L"\\" + kProductFolderName; }

std::wstring Global(const wchar_t* name) { return ToWide(GetGlobalParam(name)); }

void ShowControls(HWND dialog, std::initializer_list<int> ids, bool visible) {
    for (int id : ids) {
        ShowWindow(GetDlgItem(dialog, id), visible ? SW_SHOW : SW_HIDE);
    }
}

bool HasTwoInstallations(const InstallerState& state) {
    return !state.machineInstallDir.empty() && !state.userInstallDir.empty() &&
           !EqualsNoCase(state.userInstallDir, state.machineInstallDir);
}

// An update below Program Files needs the rights to write there.
bool UpdatesBelowProgramFiles(const InstallerState& state, bool admin) {
    const std::wstring destination = Destination(state, admin);
    for (const wchar_t* name : {L"ProgramFiles", L"ProgramFiles(x86)"}) {
        const std::wstring folder = Global(name);
        if (!folder.empty() && StartsWithNoCase(folder, destination)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::wstring ProgramFilesFolder() {
#if defined(_WIN64)
    return SpecialFolder(CSIDL_PROGRAM_FILESX86);
#else
    return SpecialFolder(CSIDL_PROGRAM_FILES);
#endif
}

std::wstring LocalAppDataFolder() { return SpecialFolder(CSIDL_LOCAL_APPDATA); }

TitleScreen::TitleScreen(MainWindow& owner) : Screen(owner, IDD_TITLE, "titl") {}

bool TitleScreen::Checked(int id) const { return IsDlgButtonChecked(Window(), id) == BST_CHECKED; }
void TitleScreen::Check(int id, bool checked) { CheckDlgButton(Window(), id, checked ? BST_CHECKED : BST_UNCHECKED); }
void TitleScreen::Enable(int id, bool enabled) { EnableWindow(GetDlgItem(Window(), id), enabled); }

void TitleScreen::OnInit(HWND dialog) {
    InstallerState& state = GetInstallerState();
    admin_ = IsUserAdmin();
    const HBRUSH brush = CreateSolidBrush(kScreenColour);

    const std::wstring profilesRoot = FolderPart(Global(L"USERPROFILE"));
    bool underProfiles = state.isUpdate && IsUnderProfiles(Destination(state, admin_), profilesRoot);
    // An administrator moves a per-user installation to Program Files.
    if (admin_ && underProfiles &&
        (state.machineInstallDir.empty() || state.userInstallDir.empty() ||
         EqualsNoCase(state.userInstallDir, state.machineInstallDir))) {
        state.machineInstallDir = DefaultMachineDestination();
        state.replaceUserInstall = true;
        underProfiles = false;
    }

    SetBackground(brush);
    CreateScaledFont(GetDlgItem(dialog, IDC_TITLE_SLOGAN), 1.5f, true);
    CreateScaledFont(GetDlgItem(dialog, IDC_TITLE_NEXT), 1.3f, false);
    MakeHyperlink(GetDlgItem(dialog, IDC_TITLE_LICENSE_LINK), kLinkColour, true);

    NextButtonId = IDC_TITLE_NEXT;
    BackButtonId = -1;
    CancelButtonId = -1;

    const std::wstring programFiles = ProgramFilesFolder();
    if (!programFiles.empty()) {
        const bool writable = IsFolderWritable(programFiles);
        Check(IDC_TITLE_RADIO_PROGRAM_FILES, writable);
        destinationChoice_ = kDestinationProgramFiles;
        const std::wstring text = ProductFolderIn(programFiles);
        SetDlgItemTextW(dialog, IDC_TITLE_RADIO_PROGRAM_FILES, text.c_str());
        if (writable && !state.isUpdate) {
            state.machineInstallDir = text;
        }
    }
    const std::wstring appData = LocalAppDataFolder();
    if (!appData.empty()) {
        bool writable = false;
        if (!Checked(IDC_TITLE_RADIO_PROGRAM_FILES)) {
            writable = IsFolderWritable(appData);
            Check(IDC_TITLE_RADIO_APPDATA, writable);
            destinationChoice_ = kDestinationUserAppData;
        }
        const std::wstring text = ProductFolderIn(appData);
        SetDlgItemTextW(dialog, IDC_TITLE_RADIO_APPDATA, text.c_str());
        if (writable && !state.isUpdate) {
            state.machineInstallDir = text;
        }
    }
    if (state.isUpdate) {
        SetDlgItemTextW(dialog, IDC_TITLE_RADIO_CHOOSE, Destination(state, admin_).c_str());
        Check(IDC_TITLE_RADIO_PROGRAM_FILES, false);
        Check(IDC_TITLE_RADIO_APPDATA, false);
        Check(IDC_TITLE_RADIO_CHOOSE, true);
        for (int id : {IDC_TITLE_RADIO_PROGRAM_FILES, IDC_TITLE_RADIO_APPDATA, IDC_TITLE_RADIO_CHOOSE}) {
            Enable(id, false);
        }
    }

    const bool integration = admin_ && !underProfiles;
    Check(IDC_TITLE_CHECK_EXTENSIONS, integration);
    Check(IDC_TITLE_CHECK_ASSOCIATIONS, integration);
    Check(IDC_TITLE_CHECK_STATS, true);
    if (underProfiles) {
        Enable(IDC_TITLE_CHECK_EXTENSIONS, false);
        Enable(IDC_TITLE_CHECK_ASSOCIATIONS, false);
    }
    if (admin_) {
        Enable(IDC_TITLE_RADIO_APPDATA, false);
    }
    state.shellExtensionsOption = integration;
    state.associationsOption = integration;
    state.statisticsAgreement = true;

    for (int id : {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2, IDC_TITLE_RED_LOCAL_INST_0,
                   IDC_TITLE_RED_LOCAL_INST_1, IDC_TITLE_RED_TWO_COPIES_0, IDC_TITLE_RED_TWO_COPIES_1,
                   IDC_TITLE_SETUP_WIZARD_0, IDC_TITLE_SETUP_WIZARD_1}) {
        CreateScaledFont(GetDlgItem(dialog, id), 0.9f, true);
    }
    for (int id : {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2, IDC_TITLE_RED_LOCAL_INST_0,
                   IDC_TITLE_RED_LOCAL_INST_1, IDC_TITLE_RED_TWO_COPIES_0, IDC_TITLE_RED_TWO_COPIES_1}) {
        SetTextColorProperty(GetDlgItem(dialog, id), kNoticeColour);
    }

    const bool twoInstallations = HasTwoInstallations(state);
    const bool userTwoCopies = !admin_ && twoInstallations;
    const bool adminTwoCopies = admin_ && twoInstallations && !state.replaceUserInstall;
    ShowControls(dialog, {IDC_TITLE_RED_NOT_ADMIN, IDC_TITLE_RED_NOT_ADMIN2}, !admin_);
    ShowControls(dialog, {IDC_TITLE_RED_LOCAL_INST_0, IDC_TITLE_RED_LOCAL_INST_1}, userTwoCopies);
    ShowControls(dialog, {IDC_TITLE_RED_TWO_COPIES_0, IDC_TITLE_RED_TWO_COPIES_1}, adminTwoCopies);
    ShowControls(dialog, {IDC_TITLE_SETUP_WIZARD_0, IDC_TITLE_SETUP_WIZARD_1}, !userTwoCopies && !adminTwoCopies);

    SetFocus(GetDlgItem(dialog, IDC_TITLE_NEXT));
}

int32_t TitleScreen::OptionBits() const {
    return (Checked(IDC_TITLE_CHECK_EXTENSIONS) ? 1 : 0) | (Checked(IDC_TITLE_CHECK_ASSOCIATIONS) ? 2 : 0) |
           (Checked(IDC_TITLE_CHECK_STATS) ? 4 : 0);
}

void TitleScreen::ElevateForChoice() {
    EnableWindow(Window(), FALSE);
    EnsureElevated(L"-nostat", OptionBits());
    EnableWindow(Window(), TRUE);
}

void TitleScreen::OnNext() {
    const InstallerState& state = GetInstallerState();
    if (!admin_) {
        const bool needsRights =
            (state.isUpdate && UpdatesBelowProgramFiles(state, admin_)) || Checked(IDC_TITLE_CHECK_EXTENSIONS) ||
            Checked(IDC_TITLE_CHECK_ASSOCIATIONS) ||
            (state.isUpdate && !state.machineInstallDir.empty() && !state.userInstallDir.empty() &&
             !IsFolderWritable(Destination(state, admin_)));
        if (needsRights) {
            EnsureElevated(std::wstring(), OptionBits());
            return;
        }
    }
    Owner().PostSwitchScreen(RegistererOf<InstallProgressScreen>());
}

void TitleScreen::OnIntegrationCheckBox(uint16_t id, bool& option) {
    if (!admin_) {
        ElevateForChoice();
        Check(id, false);
    }
    option = Checked(id);
}

void TitleScreen::OnProgramFilesRadio() {
    if (admin_) {
        for (int id : {IDC_TITLE_CHECK_EXTENSIONS, IDC_TITLE_CHECK_ASSOCIATIONS}) {
            Check(id, true);
            Enable(id, true);
        }
    }
    const std::wstring programFiles = ProgramFilesFolder();
    if (programFiles.empty()) {
        return;
    }
    if (IsFolderWritable(programFiles)) {
        GetInstallerState().machineInstallDir = ProductFolderIn(programFiles);
        destinationChoice_ = kDestinationProgramFiles;
    } else if (admin_) {
        RestoreDestinationRadio();
    } else {
        ElevateForChoice();
        RestoreDestinationRadio();
    }
}

void TitleScreen::OnUserAppDataRadio() {
    if (admin_) {
        for (int id : {IDC_TITLE_CHECK_EXTENSIONS, IDC_TITLE_CHECK_ASSOCIATIONS}) {
            Check(id, false);
            Enable(id, false);
        }
    }
    const std::wstring appData = LocalAppDataFolder();
    if (!appData.empty()) {
        GetInstallerState().machineInstallDir = ProductFolderIn(appData);
        destinationChoice_ = kDestinationUserAppData;
    }
}

void TitleScreen::OnPickFolder() {
    const wchar_t* caption = LookupText(L"IDC_BROWSE_DIALOG_CAPTION");
    BROWSEINFOW browse{};
    browse.hwndOwner = Window();
    browse.lpszTitle = caption ? caption : L"";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_DONTGOBELOWDOMAIN | BIF_NEWDIALOGSTYLE | BIF_UAHINT;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&browse);
    if (!item) {
        RestoreDestinationRadio();
        return;
    }
    wchar_t path[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListW(item, path);
    CoTaskMemFree(item);
    if (!found) {
        return;
    }
    const std::wstring selected = path;
    std::wstring candidate = EnsureTrailingSeparator(selected) + kProductFolderName;
    if (candidate.size() >= MAX_PATH) {
        candidate.resize(MAX_PATH - 1);
    }
    if (IsFolderWritable(selected)) {
        SetDlgItemTextW(Window(), IDC_TITLE_RADIO_CHOOSE, candidate.c_str());
        GetInstallerState().machineInstallDir = candidate;
        destinationChoice_ = kDestinationPicked;
        return;
    }
    MessageBoxW(nullptr, L"Not enough rights to write into the selected folder.", selected.c_str(), MB_OK);
    if (admin_) {
        destinationChoice_ = kDestinationUserAppData;
    } else {
        ElevateForChoice();
    }
    RestoreDestinationRadio();
}

void TitleScreen::OnCommand(uint16_t id) {
    InstallerState& state = GetInstallerState();
    switch (id) {
        case IDC_TITLE_NEXT:
            OnNext();
            break;
        case IDC_TITLE_LICENSE_LINK:
            ShowLicenseDialog(Window());
            break;
        case IDC_TITLE_CHECK_EXTENSIONS:
            OnIntegrationCheckBox(id, state.shellExtensionsOption);
            break;
        case IDC_TITLE_CHECK_ASSOCIATIONS:
            OnIntegrationCheckBox(id, state.associationsOption);
            break;
        case IDC_TITLE_CHECK_STATS:
            state.statisticsAgreement = Checked(IDC_TITLE_CHECK_STATS);
            break;
        case IDC_TITLE_RADIO_PROGRAM_FILES:
            OnProgramFilesRadio();
            break;
        case IDC_TITLE_RADIO_APPDATA:
            OnUserAppDataRadio();
            break;
        case IDC_TITLE_RADIO_CHOOSE:
            OnPickFolder();
            break;
        default:
            break;
    }
}

void TitleScreen::RestoreDestinationRadio() {
    for (int id : {IDC_TITLE_RADIO_PROGRAM_FILES, IDC_TITLE_RADIO_APPDATA, IDC_TITLE_RADIO_CHOOSE}) {
        Check(id, false);
    }
    const int chosen = destinationChoice_ == kDestinationProgramFiles ? IDC_TITLE_RADIO_PROGRAM_FILES
                       : destinationChoice_ == kDestinationPicked     ? IDC_TITLE_RADIO_CHOOSE
                                                                      : IDC_TITLE_RADIO_APPDATA;
    Check(chosen, true);
    SetFocus(GetDlgItem(Window(), chosen));
}
