#include "app/script_context.h"

#include <windows.h>

#include "app/builtin_scripts.h"
#include "app/installer_state_loading.h"
#include "common/text_conversion.h"
#include "engine/global_params.h"
#include "files/own_paths.h"
#include "files/path_functions.h"
#include "system/service_url.h"
#include "ui/localizer.h"

ScriptPaths DefaultScriptPaths() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const std::wstring folder = EnsureTrailingSeparator(temp);
    return ScriptPaths{folder + L"zanvo_install.xml", folder + L"zanvo_uninstall.xml", folder + L"zanvo_undo.xml"};
}

ScriptContext CurrentScriptContext() {
    ScriptContext context;
    context.baseUrl = ServiceBaseUrl();
    const Localizer& localizer = Localizer::Instance();
    context.language = Utf8ToWide(localizer.LanguageCode(localizer.CurrentLanguage()));
    const std::wstring& self = GetOwnModulePath();
    const size_t separator = self.find_last_of(L"\\/");
    context.selfPath = separator == std::wstring::npos ? L"" : self.substr(0, separator);
    context.selfName = self.substr(separator == std::wstring::npos ? 0 : separator + 1);
    context.allUsersDesktop = ToWide(GetGlobalParam(L"ALL_USERS_DESKTOP"));
    context.userDesktop = ToWide(GetGlobalParam(L"USER_DESKTOP"));
    context.allUsersStartMenuPrograms = ToWide(GetGlobalParam(L"ALL_USERS_START_MENU_PROGRAMS"));
    context.userStartMenuPrograms = ToWide(GetGlobalParam(L"USER_START_MENU_PROGRAMS"));
    context.hashes = ConfiguredPackageHashes();
    return context;
}

int32_t WriteBuiltinScripts(const ScriptPaths& paths, const InstallerState& state) {
    const ScriptConditions conditions = EvaluateScriptConditions(state);
    const ScriptContext context = CurrentScriptContext();
    return BuildAllScripts(ScriptInputs{paths, state, conditions, context});
}
