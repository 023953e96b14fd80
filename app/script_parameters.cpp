#include "app/script_parameters.h"

std::wstring ScriptParameterValue(const ScriptInputs& in, const std::string& name) {
    const InstallerState& s = in.state;
    const ScriptContext& c = in.context;
    if (name == "LANGUAGE") return c.language;
    if (name == "INST_PATH") return Destination(s, in.conditions.admin);
    if (name == "INSTALL_XML_FILE") return in.paths.install;
    if (name == "UNINSTALL_XML_FILE") return in.paths.uninstall;
    if (name == "UNDO_XML_FILE") return in.paths.undo;
    if (name == "REG_ROOT_NAME") return kProductRegistryKey;
    if (name == "ZANVO_UID") return s.uid;
    if (name == "BUILD_ID") return s.buildId;
    if (name == "CHANNEL_ID") return s.channelId;
    if (name == "INSTALLER_CHANNEL_ID") return s.installerChannelId;
    if (name == "TOOLBAR_MASK") return std::to_wstring(s.toolbarMask);
    if (name == "BUILD_NAME") return s.buildName;
    if (name == "UNINST_TOOLBAR_DISP_NAME") return L"Improved search - Zanvo Toolbar";
    if (name == "UNINST_ZANVO_DISP_NAME") return L"Zanvo Archiver";
    if (name == "RUN_TYPE") return s.isUpdate ? L"upd" : L"inst";
    if (name == "ALL_USERS_DESKTOP") return c.allUsersDesktop;
    if (name == "USER_DESKTOP") return c.userDesktop;
    if (name == "ALL_USERS_START_MENU_PROGRAMS") return c.allUsersStartMenuPrograms;
    if (name == "USER_START_MENU_PROGRAMS") return c.userStartMenuPrograms;
    if (name == "SELF_PATH") return c.selfPath;
    if (name == "SELF_NAME") return c.selfName;
    return {};
}
