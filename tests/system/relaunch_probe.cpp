// relaunch_probe RECORD [ARGS...]: the elevated relaunch, for real.
// Started without "/env" it passes the elevation gate as a filtered
// administrator token would (those facts are put in place), so the gate
// starts a copy of it through "runas" and ends it with exit code 0. The copy,
// whose command line holds "/env", records what it received in RECORD and
// writes one value through HKCU and deletes another, so the test can see in
// whose hive they were.
#include <windows.h>

#include "common/text_conversion.h"
#include "engine/flow_tags.h"
#include "engine/global_params.h"
#include "engine/params_handler.h"
#include "system/elevation.h"
#include "system/registry_access.h"
#include "system/registry_delete.h"
#include "tests/system/record_file.h"

namespace {

constexpr int kGateReturned = 90;

std::wstring FirstArgument() {
    const std::wstring_view rest = ArgumentsAfterProgramName(GetCommandLineW());
    if (!rest.empty() && rest[0] == L'"') {
        return std::wstring(rest.substr(1, rest.find(L'"', 1) - 1));
    }
    return std::wstring(rest.substr(0, rest.find(L' ')));
}

int32_t WriteText(const std::wstring& name) {
    const RegistryData data = BuildRegistryData(REG_SZ, L"copy");
    return RegistryWriteValue(L"HKCU\\Software\\ZanvoTests\\Relaunch", name, data.type, data.bytes.data(),
                              static_cast<DWORD>(data.bytes.size()));
}

void RecordWhatTheCopyGot(const std::wstring& record) {
    const int32_t written = WriteText(L"written");
    WriteText(L"deleted");
    const CPackageGroupHandler noRules(std::make_shared<CParamsHandler>(), std::make_shared<CMainProgress>());
    const int32_t deleted = DeleteRegistryPath(noRules, L"HKCU\\Software\\ZanvoTests\\Relaunch\\deleted");
    std::map<std::string, std::string> entries = {
        {"arguments", WideToUtf8(ArgumentsAfterProgramName(GetCommandLineW()))},
        {"userSid", WideToUtf8(ToWide(GetGlobalParams().userSid))},
        {"ZANVO_USER_NAME", WideToUtf8(ToWide(GetGlobalParam(L"ZANVO_USER_NAME")))},
        {"written", std::to_string(written)},
        {"deleted", std::to_string(deleted)},
    };
    for (const wchar_t* folder : kHandedOverFolders) {
        entries[WideToUtf8(folder)] = WideToUtf8(ToWide(GetGlobalParam(folder)));
    }
    WriteRecordFile(record, entries);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring record = FirstArgument();
    if (ToCi(GetCommandLineW()).find(L"/env ") != CiString::npos) {
        RecordWhatTheCopyGot(record);
        return 0;
    }
    PlatformFacts filtered;
    filtered.windowsMajor = 6;
    filtered.windowsMinor = 1;
    filtered.elevationType = ELEVATION_LIMITED;
    const ScopedPlatformFacts facts(filtered);
    return kGateReturned + EnsureElevated(L"-nostat", 5);
}
