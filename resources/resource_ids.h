#pragma once
/* Resource and control ids of the wizard, shared by wizard.rc and the code.
   Plain defines only: the resource compiler reads this file too. Control ids
   repeat across templates (1007 is Next on the title screen and Finish on the
   finish screen), so each name carries its template. */

/* Dialog templates */
#define IDD_MAIN 141
#define IDD_TITLE 133
#define IDD_LICENSE 134
#define IDD_INSTALL_PROGRESS 138
#define IDD_FINISH_REBOOT 139
#define IDD_UNINSTALL 143

/* Icon and bitmaps */
#define IDI_PRODUCT 129
#define IDB_MAKER_LOGO 132
#define IDB_PRODUCT_PICTURE 134
#define IDB_LICENSE_HEADER 139

/* Flags of the languages, 16 x 12 pixels */
#define IDB_FLAG_AR 142
#define IDB_FLAG_DE 143
#define IDB_FLAG_EN 144
#define IDB_FLAG_ES 145
#define IDB_FLAG_FA 146
#define IDB_FLAG_FR 147
#define IDB_FLAG_IN 148
#define IDB_FLAG_IT 149
#define IDB_FLAG_JA 150
#define IDB_FLAG_KO 151
#define IDB_FLAG_MS 152
#define IDB_FLAG_PL 153
#define IDB_FLAG_PT_BR 154
#define IDB_FLAG_RU 155
#define IDB_FLAG_TH 156
#define IDB_FLAG_TR 157
#define IDB_FLAG_VI 158
#define IDB_FLAG_ZH 159

/* Title screen */
#define IDC_TITLE_NEXT 1007
#define IDC_TITLE_PICTURE 1009
#define IDC_TITLE_LOGO 1010
#define IDC_TITLE_SLOGAN 1046
#define IDC_TITLE_LICENSE_SENTENCE 1050
#define IDC_TITLE_LICENSE_LINK 1052
#define IDC_TITLE_CHECK_EXTENSIONS 1062
#define IDC_TITLE_CHECK_ASSOCIATIONS 1063
#define IDC_TITLE_CHECK_STATS 1064
#define IDC_TITLE_RADIO_PROGRAM_FILES 1091
#define IDC_TITLE_RADIO_APPDATA 1092
#define IDC_TITLE_RADIO_CHOOSE 1093
#define IDC_TITLE_RED_NOT_ADMIN 1094
#define IDC_TITLE_RED_NOT_ADMIN2 1095
#define IDC_TITLE_RED_LOCAL_INST_0 1098
#define IDC_TITLE_RED_LOCAL_INST_1 1099
#define IDC_TITLE_RED_TWO_COPIES_0 1100
#define IDC_TITLE_RED_TWO_COPIES_1 1101
#define IDC_TITLE_SETUP_WIZARD_0 1102
#define IDC_TITLE_SETUP_WIZARD_1 1103

/* Licence dialog */
#define IDC_LICENSE_CANCEL 1008
#define IDC_LICENSE_TEXT 1015
#define IDC_LICENSE_HEADER 1040

/* Install progress screen */
#define IDC_PROGRESS_BAR1 1034
#define IDC_PROGRESS_BAR2 1035
#define IDC_PROGRESS_BACKGROUND 1060
#define IDC_PROGRESS_BROWSER_HOST 1071

/* Finish screen */
#define IDC_FINISH_BUTTON 1007
#define IDC_FINISH_INSTRUCTIONS 1044
#define IDC_FINISH_REBOOT_NOW 1046
#define IDC_FINISH_REBOOT_LATER 1048

/* Uninstall screen */
#define IDC_UNINSTALL_PICTURE 1009
#define IDC_UNINSTALL_LOGO 1010
#define IDC_UNINSTALL_CAPTION 1052
#define IDC_UNINSTALL_ACTION 1053
#define IDC_UNINSTALL_LEAVE_MESSAGE 1062
#define IDC_UNINSTALL_START 1075
#define IDC_UNINSTALL_OK 1076
#define IDC_UNINSTALL_DONE_TEXT 1080
#define IDC_UNINSTALL_RED_NOT_ADMIN 1096
#define IDC_UNINSTALL_RED_NOT_ADMIN2 1097
