// zanvo-scripts [--admin 0|1] [--win64 0|1] [--win8 0|1] [--profiles 0|1]
//   [--ext 0|1] [--assoc 0|1] [--stats 0|1] [--oldver 0|1] [--twocopies 0|1]
//   [--replace 0|1] [--pathmissing 0|1] [--dest FOLDER] [--user-dir FOLDER]
//   [--base URL] [--uid UID] [--self PROGRAM] OUTDIR
// Writes the install, uninstall and undo documents into OUTDIR exactly as the
// installer writes them for that state, for support staff and tests. Every
// option defaults to a fresh administrator's installation on this machine.
#include <windows.h>

#include <cstdio>
#include <map>
#include <string>

#include "app/builtin_scripts.h"
#include "app/installer_identity.h"
#include "app/installer_state_loading.h"
#include "app/script_context.h"
#include "common/text_conversion.h"
#include "files/folder_operations.h"
#include "files/path_functions.h"
#include "system/platform_facts.h"

namespace {

int Usage() {
    fputs("usage: zanvo-scripts [--admin 0|1] [--win64 0|1] [--win8 0|1] [--profiles 0|1] [--ext 0|1]\n"
          "  [--assoc 0|1] [--stats 0|1] [--oldver 0|1] [--twocopies 0|1] [--replace 0|1]\n"
          "  [--pathmissing 0|1] [--dest FOLDER] [--user-dir FOLDER] [--base URL] [--uid UID]\n"
          "  [--self PROGRAM] OUTDIR\n",
          stderr);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const PlatformFacts& facts = CurrentPlatformFacts();
    ScriptConditions conditions;
    conditions.win64 = facts.win64;
    conditions.win8 = facts.windowsMajor == 6 && facts.windowsMinor == 2;
    InstallerState state;
    state.machineInstallDir = DefaultMachineDestination();
    state.uid = NewUid();
    state.pathAtStart = ReadMachinePath();
    ApplyIdentity(state, std::nullopt);
    ScriptContext context = CurrentScriptContext();

    const std::map<std::wstring, bool*> flags = {
        {L"--admin", &conditions.admin},         {L"--win64", &conditions.win64},
        {L"--win8", &conditions.win8},           {L"--profiles", &conditions.profiles},
        {L"--ext", &conditions.ext},             {L"--assoc", &conditions.assoc},
        {L"--stats", &conditions.stats},         {L"--oldver", &conditions.oldver},
        {L"--twocopies", &conditions.twocopies}, {L"--replace", &conditions.replace},
        {L"--pathmissing", &conditions.pathmissing},
    };
    const std::map<std::wstring, std::wstring*> texts = {
        {L"--dest", &state.machineInstallDir}, {L"--user-dir", &state.userInstallDir},
        {L"--base", &context.baseUrl},         {L"--uid", &state.uid},
    };
    std::wstring self = context.selfPath + L"\\" + context.selfName;
    std::wstring outdir;
    for (int i = 1; i < argc; ++i) {
        const std::wstring arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (flags.count(arg) && hasValue && (std::wstring(argv[i + 1]) == L"0" || std::wstring(argv[i + 1]) == L"1")) {
            *flags.at(arg) = std::wstring(argv[++i]) == L"1";
        } else if (texts.count(arg) && hasValue) {
            *texts.at(arg) = argv[++i];
        } else if (arg == L"--self" && hasValue) {
            self = argv[++i];
        } else if (outdir.empty() && arg.rfind(L"--", 0) != 0) {
            outdir = arg;
        } else {
            return Usage();
        }
    }
    if (outdir.empty()) {
        return Usage();
    }
    state.replaceUserInstall = conditions.replace;
    context.selfPath = FolderPart(self);
    context.selfName = NamePart(self);
    state.shellExtensionsOption = conditions.ext;
    state.associationsOption = conditions.assoc;
    state.statisticsAgreement = conditions.stats;

    const int32_t created = CreateDirectoryPath(outdir);
    if (created != 0) {
        fprintf(stderr, "zanvo-scripts: cannot create %s (error %d)\n", WideToUtf8(outdir).c_str(), created);
        return 1;
    }
    const std::wstring folder = EnsureTrailingSeparator(outdir);
    const ScriptPaths paths{folder + L"zanvo_install.xml", folder + L"zanvo_uninstall.xml", folder + L"zanvo_undo.xml"};
    const int32_t result = BuildAllScripts(ScriptInputs{paths, state, conditions, context});
    if (result != 0) {
        fprintf(stderr, "zanvo-scripts: cannot write the documents (error %d)\n", result);
        return 1;
    }
    return 0;
}
