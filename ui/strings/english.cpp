// English: the language the wizard shows, and the only complete table.
#include <iterator>

#include "ui/string_tables.h"

namespace {

const StringPair kStrings[] = {
    // Main window and quit question.
    {L"APPLICATION_NAME", L"Zanvo Archiver"},
    {L"ABORT_CONFIRMATION", L"Are you sure you want to quit Zanvo Archiver Setup?"},

    // Title screen.
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
     L"We highly recommend to install Zanvo as “Administrator”, otherwise it might not work properly."},
    {L"IDC_STATIC_RED_2COPY_0",
     L"We found two installations of Zanvo Archiver. It's not recommended to use two separate installations."},
    {L"IDC_STATIC_RED_2COPY_1",
     L"Therefore local installation for your user will be uninstalled, and the other installation for all "
     L"users will be updated."},
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

    // Licence dialog.
    {L"IDC_TEXT_SCREEN_HEADER_LICENSE", L"License Agreement"},
    {L"IDC_BUTTON_CANCEL", L"&Cancel"},
    {L"IDC_EDIT_LICENSE",
     L"Copyright (c) 2026 Kelvarion Ltd\r\n"
     L"All rights reserved.\r\n"
     L"\r\n"
     L"Redistribution and use in source and binary forms, with or without modification, are permitted "
     L"provided that the following conditions are met:\r\n"
     L"\r\n"
     L"1. Redistributions of source code must retain the above copyright notice, this list of conditions "
     L"and the following disclaimer.\r\n"
     L"\r\n"
     L"2. Redistributions in binary form must reproduce the above copyright notice, this list of conditions "
     L"and the following disclaimer in the documentation and/or other materials provided with the "
     L"distribution.\r\n"
     L"\r\n"
     L"THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS \"AS IS\" AND ANY EXPRESS OR "
     L"IMPLIED WARRANTIES, INCLUDING, BUT NOT LIMITED TO, THE IMPLIED WARRANTIES OF MERCHANTABILITY AND "
     L"FITNESS FOR A PARTICULAR PURPOSE ARE DISCLAIMED. IN NO EVENT SHALL THE COPYRIGHT HOLDER OR "
     L"CONTRIBUTORS BE LIABLE FOR ANY DIRECT, INDIRECT, INCIDENTAL, SPECIAL, EXEMPLARY, OR CONSEQUENTIAL "
     L"DAMAGES (INCLUDING, BUT NOT LIMITED TO, PROCUREMENT OF SUBSTITUTE GOODS OR SERVICES; LOSS OF USE, "
     L"DATA, OR PROFITS; OR BUSINESS INTERRUPTION) HOWEVER CAUSED AND ON ANY THEORY OF LIABILITY, WHETHER "
     L"IN CONTRACT, STRICT LIABILITY, OR TORT (INCLUDING NEGLIGENCE OR OTHERWISE) ARISING IN ANY WAY OUT OF "
     L"THE USE OF THIS SOFTWARE, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE."},

    // Progress and finish screens.
    {L"IDC_BUTTON_BACKGROUND", L"Background"},
    {L"IDC_BUTTON_FINISH", L"&Finish"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS",
     L"Your computer must be restarted in order to complete the installation of Zanvo Archiver. Do you want "
     L"to reboot now?"},
    {L"IDC_RADIO_REBOOT_NOW", L"Reboot now"},
    {L"IDC_RADIO_REBOOT_LATER", L"I want to manually reboot later"},

    // Uninstall screen.
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
     L"We highly recommend to uninstall Zanvo as “Administrator”, otherwise it might not uninstall properly."},

    // Pages of earlier versions of the wizard and partner offers; no screen
    // shows them now.
    {L"IDC_BUTTON_AGREE", L"I &Agree"},
    {L"IDC_BUTTON_ACCEPT_CONTINUE", L"&Accept and continue"},
    {L"IDC_BUTTON_BACK", L"< &Back"},
    {L"IDC_BUTTON_INSTALL", L"&Install >"},
    {L"IDC_BUTTON_INSTALL", L"Install >"},
    {L"IDC_LINK_DECLINE", L"Decline"},
    {L"ERROR_TARGET_DIR_MESSAGE",
     L"Zanvo Archiver cannot be installed in the selected folder. Please select another folder."},
    {L"WARING_TARGET_DIR_IS_NOT_EMPTY",
     L"The selected folder is not empty. Files in it may be replaced. Do you want to continue?"},
    {L"ACTION_DONE", L"Done"},
    {L"IDC_TEXT_SCREEN_HEADER_LANGUAGE", L"Select Language"},
    {L"IDC_GRB_DESTINATION", L"Destination Folder"},
    {L"IDC_LINK_BROWSE_DESTINATION", L"Browse..."},
    {L"IDC_TEXT_INSTRUCTION_TOP", L"Setup will install Zanvo Archiver in the following folder."},
    {L"IDC_BUTTON_DECLINE", L"&Decline"},
    {L"IDC_STATIC_GROUP_CAPTION", L"Recommended options"},
    {L"IDC_CB_TOOLBAR_INTEGRATION", L"Install the Zanvo toolbar in my web browsers"},
    {L"IDC_CB_TOOLBAR_SEARCH", L"Make Zanvo Search my default search engine"},
    {L"IDC_CB_TOOLBAR_INTEGRATION2", L"Add the Zanvo toolbar to all my web browsers"},
    {L"IDC_CB_TOOLBAR_SEARCH2", L"Search with Zanvo Search from the address bar"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE", L"Make Zanvo Search my home page"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE2", L"Make Zanvo Search the home page of all my web browsers"},
    {L"IDC_CB_TOOLBAR_HOMEPAGE3", L"Open Zanvo Search when my web browser starts"},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION", L"Browser Integration"},
    {L"IDC_CB_TOOLBAR_NEWTAB", L"Show Zanvo Search on new tabs"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION",
     L"Choose how Zanvo Archiver may change your web browsers. You can change these settings later."},
    {L"IDC_TEXT_TOOLBAR_CAPTION1", L"Zanvo Toolbar"},
    {L"IDC_TEXT_TOOLBAR_CAPTION2", L"Zanvo Search"},
    {L"IDC_CB_TOOLBAR_NEWTAB2", L"Show Zanvo Search on new tabs of all my web browsers"},
    {L"IDC_TEXT_TOOLBAR_INSTRUCTION2",
     L"Clear the options you do not want. When all of them are cleared, your web browsers stay as they are."},
    {L"IDC_TEXT_SCREEN_HEADER_INTEGRATION2", L"Browser Settings"},
    {L"IDC_LINK_TOOLBAR_EULA", L"End User License Agreement"},
    {L"IDC_LINK_TOOLBAR_PP", L"Privacy Policy"},
    {L"IDC_TEXT_DESCR_LICENSE_EULA",
     L"By installing you accept the End User License Agreement and the Privacy Policy."},
    {L"IDC_TEXT_SCREEN_HEADER_INSTALL_PROGRESS", L"Installing Zanvo Archiver"},
    {L"IDC_TEXT_INSTALL_OVERALL", L"Overall progress"},
    {L"IDC_TEXT_SCREEN_HEADER_FINAL", L"Installation Complete"},
    {L"IDC_TEXT_FINAL_INSTRUCTIONS_UNINSTALL",
     L"Your computer must be restarted in order to complete the removal of Zanvo Archiver. Do you want to "
     L"reboot now?"},
    {L"IDC_TEXT_FINAL_GRATITUDE", L"Thank you for choosing Zanvo Archiver!"},
    {L"IDC_CB_RUN_PROGRAM", L"Run Zanvo Archiver now"},
    {L"IDC_CB_BAIDU", L"Make Baidu my search engine"},
    {L"IDC_TEXT_DESCRIPTION_BAIDU", L"Baidu searches the web in Chinese, fast and free of charge."},
    {L"IDC_CB_HAO", L"Make hao123 my home page"},
    {L"IDC_TEXT_DESCRIPTION_HAO", L"hao123 opens the most popular Chinese web sites with one click."},
};

}  // namespace

const Language kLanguageEnglish = {kStrings, static_cast<int32_t>(std::size(kStrings)), 144, L"English", "en"};
