// Stand-in until the Localizer is wired in: the English texts of the keys the
// templates and the framework use, so that the windows read as they will.
// At integration this file gives way to two calls into the Localizer
// (TranslateControls and Lookup).
#include "ui/dialog_text.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<std::wstring_view, const wchar_t*>, 36> kEnglish{{
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"ABORT_CONFIRMATION", L"Are you sure you want to quit Zanvo Archiver Setup?"},
    {L"IDC_BUTTON_NEXT", L"Install >"},
    {L"IDC_FIRST_SCREEN_TEXT", L"Most friendly and simple software to open and create archives"},
    {L"IDC_LICENSE_CHOICE_DESCRIPTION", L"By clicking \"Install\" you accept the terms of the"},
    {L"IDC_SHOW_LICENSE_LINK", L" License Agreement"},
    {L"IDC_RADIOCHOOSE", L"Select another folder..."},
    {L"IDC_CHECK_EXTENSIONS", L"integrate \"Extract\" and \"Create archive\" items into Explorer context menu"},
    {L"IDC_CHECK_ASSOCIATIONS", L"Change file associations and open archives with Zanvo"},
    {L"IDC_CHECK_STATS", L"I agree to send statistical data to make Zanvo better"},
    {L"IDC_STATIC_RED_USERNADMIN", L"Your current user does not have enough rights to install new software."},
    {L"IDC_STATIC_RED_USERNADMIN2",
     L"We highly recommend to install Zanvo as \u201CAdministrator\u201D, otherwise it might not work properly."},
    {L"IDC_STATIC_RED_2COPY_0",
     L"We found two installations of Zanvo Archiver. It's not recommended to use two separate installations."},
    {L"IDC_STATIC_RED_2COPY_1",
     L"Therefore local installation for your user will be uninstalled, and the other installation for all users "
     L"will be updated."},
    {L"IDC_STATIC_RED_LOCAL_INST_0",
     L"Only local installation for your user will be updated. It's not recommended to use two separate "
     L"installations."},
    {L"IDC_STATIC_RED_LOCAL_INST_1",
     L"Please consider to ask your administrator to leave only one installation for all users in Program Files."},
    {L"IDC_STATIC_SETUP_WIZ_0",
     L"This wizard will guide you through the installation process and install Zanvo Archiver."},
    {L"IDC_STATIC_SETUP_WIZ_1",
     L"You can change installation path, integration and associations options. Some of them requires "
     L"administrator rights, but you can skip them and install Zanvo with user account."},
    {L"IDC_BROWSE_DIALOG_CAPTION", L"Please, select Zanvo Archiver target directory..."},
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"License Agreement"},
    {L"IDC_BUTTON_CANCEL", L"&Cancel"},
    {L"IDC_EDIT_LICENSE", L"Copyright (c) Kelvarion Ltd\r\nAll rights reserved."},
    {L"IDC_BUTTON_BACKGROUND", L"Background"},
    {L"IDC_BUTTON_FINISH", L"&Finish"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Your computer must be restarted in order to complete the installation of Zanvo Archiver. Do you want to "
     L"reboot now?"},
    {L"IDC_RADIO_REBOOT_NOW", L"Reboot now"},
    {L"IDC_RADIO_REBOOT_LATER", L"I want to manually reboot later"},
    {L"IDC_TEXT_UNINSTALL_CAPTION", L"Uninstalling Zanvo Archiver"},
    {L"IDC_TEXT_UNINSTALL_ACTION",
     L"We are sorry that Zanvo did not work for you. Click 'Uninstall' to remove Zanvo Archiver from your "
     L"computer."},
    {L"IDC_BUTTON_UNINSTALL", L"Uninstall"},
    {L"IDC_CB_LEAVE_MESSAGE", L"I want to leave a message"},
    {L"IDC_TEXT_UNINSTALLED_ACTION", L"Zanvo Archiver has been successfully uninstalled."},
    {L"IDC_BUTTON_UNINSTALL2", L"OK"},
    {L"IDC_STATIC_RED_USERNADMIN_U", L"Your current user does not have enough rights to uninstall this software."},
    {L"IDC_STATIC_RED_USERNADMIN2_U",
     L"We highly recommend to uninstall Zanvo as \u201CAdministrator\u201D, otherwise it might not uninstall "
     L"properly."},
    {L"IDC_BUTTON_INSTALL", L"&Install >"},
}};

BOOL CALLBACK TranslateOne(HWND window, LPARAM) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 127);
    if (const wchar_t* translated = LookupText(text)) {
        SetWindowTextW(window, translated);
    }
    return TRUE;
}

}  // namespace

void TranslateDialog(HWND dialog) { EnumChildWindows(dialog, TranslateOne, 0); }

const wchar_t* LookupText(std::wstring_view key) {
    for (const auto& [candidate, text] : kEnglish) {
        if (candidate == key) {
            return text;
        }
    }
    return nullptr;
}
