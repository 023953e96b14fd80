// The product end to end, without the wizard: the built-in documents as the
// installer writes them for this prefix install the demo product from the
// local vendor service, the installed uninstaller removes it again, an update
// reports itself, and every failure of an installation is rolled back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <regex>

#include "app/builtin_scripts.h"
#include "app/installer_state_loading.h"
#include "app/script_context.h"
#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/global_params.h"
#include "engine/status_line.h"
#include "files/download_retries.h"
#include "system/registry_access.h"
#include "system/registry_key.h"
#include "system/service_url.h"
#include "system/statistics.h"
#include "tests/net/service_client.h"
#include "tests/support/machine_snapshot.h"
#include "tests/support/test_support.h"

namespace {

const wchar_t kEnvironmentKey[] = L"System\\CurrentControlSet\\Control\\Session Manager\\Environment";
const wchar_t kUninstallSubkey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZanvoArchiver";

std::wstring Global(const wchar_t* name) { return ToWide(GetGlobalParam(name)); }

std::wstring VcredistPath() { return Global(L"CommonProgramFiles") + L"\\vcredist.exe"; }

// What the installation may touch, for the before-and-after pictures.
MachineSnapshot Picture() {
    const std::wstring destination = DefaultMachineDestination();
    return MachineSnapshot::Take(
        {destination, VcredistPath(), Global(L"ALL_USERS_DESKTOP") + L"\\Zanvo Archiver.lnk",
         Global(L"ALL_USERS_START_MENU_PROGRAMS") + L"\\Zanvo Archiver", Global(L"USER_DESKTOP") + L"\\Zanvo Archiver.lnk",
         Global(L"USER_START_MENU_PROGRAMS") + L"\\Zanvo Archiver"},
        {{HKEY_LOCAL_MACHINE, L"Software\\ZanvoSoft"},
         {HKEY_CURRENT_USER, L"Software\\ZanvoSoft"},
         {HKEY_LOCAL_MACHINE, kUninstallSubkey},
         {HKEY_LOCAL_MACHINE, kEnvironmentKey}});
}

// Differences apart from the UID, which stays by design (and the keys that
// hold it), and the vendor's empty HKCU key: removal deletes the product's
// own key, never the vendor's, which other products of the vendor may share.
std::vector<std::wstring> UnexpectedDifferences(const MachineSnapshot& before, const MachineSnapshot& after) {
    std::vector<std::wstring> left;
    for (const std::wstring& line : before.DifferencesTo(after)) {
        const bool uid = line.find(L"ZanvoManager\\UID ") != std::wstring::npos ||
                         line == L"+ key HKLM\\Software\\ZanvoSoft " || line == L"+ key HKCU\\Software\\ZanvoSoft " ||
                         line == L"+ key HKLM\\Software\\ZanvoSoft\\ZanvoManager ";
        if (!uid) {
            left.push_back(line);
        }
    }
    return left;
}

void DeleteKeyTree(HKEY root, const std::wstring& parent, const std::wstring& name) {
    RegistryKey key;
    if (OpenRegistryKey(root, parent, KEY_ALL_ACCESS, key) == ERROR_SUCCESS) {
        RegDeleteTreeW(key.Get(), name.c_str());
    }
}

class Product : public testing::Test {
protected:
    static void SetUpTestSuite() { originalPath_ = ReadMachinePath(); }

    void SetUp() override {
        CleanMachine();
        SetRetryQuestion([] { return RetryAnswer::Cancel; });
        ResetService(ServiceBaseUrl());
    }

    void TearDown() override {
        SetRetryQuestion(nullptr);
        ResetService(ServiceBaseUrl());
        CleanMachine();
    }

    static void CleanMachine() {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, L"Software", L"ZanvoSoft");
        DeleteKeyTree(HKEY_CURRENT_USER, L"Software", L"ZanvoSoft");
        DeleteKeyTree(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall", L"ZanvoArchiver");
        RemoveTreeForTest(DefaultMachineDestination());
        RemoveTreeForTest(VcredistPath());
        for (const wchar_t* folder : {L"ALL_USERS_DESKTOP", L"USER_DESKTOP"}) {
            RemoveTreeForTest(Global(folder) + L"\\Zanvo Archiver.lnk");
        }
        for (const wchar_t* folder : {L"ALL_USERS_START_MENU_PROGRAMS", L"USER_START_MENU_PROGRAMS"}) {
            RemoveTreeForTest(Global(folder) + L"\\Zanvo Archiver");
        }
        if (!originalPath_.empty() && ReadMachinePath() != originalPath_) {
            RegistryWriteValue(std::wstring(L"HKEY_LOCAL_MACHINE\\") + kEnvironmentKey, L"Path", REG_EXPAND_SZ,
                               originalPath_.c_str(), static_cast<DWORD>((originalPath_.size() + 1) * 2));
        }
    }

    struct Installation {
        InstallerState state;
        ScriptPaths paths;
        int32_t result = 0;
        std::wstring statusLine;
    };

    // What the progress screen does: the state as it is now, the three
    // documents, then the install document on a processor. The installed
    // "installer.exe" is zanvo-run, which runs uninstall.xml as the real one does.
    static Installation Install(const std::function<void(ScriptContext&)>& adjust = nullptr,
                                const std::function<void(const ScriptPaths&)>& beforeRun = nullptr) {
        Installation run;
        run.state = LoadInstallerState();
        const InstallerState& s = run.state;
        SetReportIdentity(ReportIdentityOf(s));
        run.paths = DefaultScriptPaths();
        ScriptContext context = CurrentScriptContext();
        context.selfPath = ProgramFolder();
        context.selfName = L"zanvo-run.exe";
        if (adjust) {
            adjust(context);
        }
        const ScriptConditions conditions = EvaluateScriptConditions(s);
        EXPECT_EQ(BuildAllScripts(ScriptInputs{run.paths, s, conditions, context}), 0);
        if (beforeRun) {
            beforeRun(run.paths);
        }
        CXMLProcessor processor;
        run.result = processor.LoadFileAndRun(run.paths.install);
        run.statusLine = processor.GetStatusLine();
        return run;
    }

    static int32_t Undo(const ScriptPaths& paths) {
        CXMLProcessor processor;
        return processor.LoadFileAndRun(paths.undo);
    }

    static std::wstring originalPath_;
};

std::wstring Product::originalPath_;

std::wstring ValueText(HKEY root, const std::wstring& key, const wchar_t* name) {
    return RegistryReadString(root, key, name);
}

DWORD ValueType(HKEY root, const std::wstring& key, const wchar_t* name) {
    RegistryKey open;
    DWORD type = 0;
    if (OpenRegistryKey(root, key, KEY_QUERY_VALUE, open) == ERROR_SUCCESS) {
        RegQueryValueExW(open.Get(), name, nullptr, &type, nullptr, nullptr);
    }
    return type;
}

std::vector<std::string> ProductRequests() {
    std::vector<std::string> requests;
    for (const std::string& request : RecordedRequests(ServiceBaseUrl())) {
        if (request.rfind("/builtin/", 0) != 0) {
            requests.push_back(request);
        }
    }
    return requests;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

bool WaitUntilGone(const std::wstring& path, int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (!PathExists(path)) {
            return true;
        }
        Sleep(100);
    }
    return false;
}

TEST_F(Product, InstallsUninstallsAndLeavesOnlyTheUid) {
    const MachineSnapshot before = Picture();
    const Installation run = Install();
    ASSERT_EQ(run.result, 0) << WideToUtf8(run.statusLine);
    const std::wstring dest = Destination(run.state, true);
    const std::wstring product = std::wstring(L"Software\\ZanvoSoft\\ZanvoManager");

    // Files: the main package without the other width's setup program, the
    // runtime package, the installer and its uninstall document; no Temp.
    for (const wchar_t* name : {L"ZanvoManager.exe", L"WinSetup64.exe", L"ZanvoShellext32.dll",
                                L"ZanvoShellext64.dll", L"help\\readme.txt", L"QtCore4.dll",
                                L"imageformats\\qjpeg4.dll", L"installer.exe", L"uninstall.xml",
                                L"Zanvo Archiver uninstall.lnk"}) {
        EXPECT_TRUE(PathExists(dest + L"\\" + name)) << WideToUtf8(name);
    }
    EXPECT_FALSE(PathExists(dest + L"\\WinSetup32.exe"));
    EXPECT_FALSE(PathExists(dest + L"\\Temp"));
    EXPECT_FALSE(PathExists(run.paths.install));
    EXPECT_EQ(ReadFileBytes(dest + L"\\installer.exe"), ReadFileBytes(ProgramFolder() + L"\\zanvo-run.exe"));
    EXPECT_TRUE(PathExists(VcredistPath()));
    EXPECT_NE(ReadFileBytes(Global(L"CommonProgramFiles") + L"\\vcredist.exe.log").find("/q"), std::string::npos);
    const std::string setupLog = ReadFileBytes(dest + L"\\winsetup64.exe.log");
    EXPECT_NE(setupLog.find("/install \"" + WideToUtf8(dest) + "\""), std::string::npos) << setupLog;
    EXPECT_NE(setupLog.find("/assoc zanvo zip rar 7z zipx gz bz2 tar arj deb lzh"), std::string::npos) << setupLog;

    // Registry values and their types.
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, product, L"Install_dir"), dest);
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, product, L"ChannelID"), L"925759");
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, product, L"UID"), run.state.uid);
    EXPECT_EQ(ValueText(HKEY_CURRENT_USER, product, L"LocaleISO"), L"en");
    EXPECT_EQ(ValueText(HKEY_CURRENT_USER, product, L"agreetoimprove"), L"true");
    EXPECT_EQ(ValueText(HKEY_CURRENT_USER, product, L"EnableContextMenuIntegration"), L"true");
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, kUninstallSubkey, L"DisplayName"), L"Zanvo Archiver");
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, kUninstallSubkey, L"UninstallString"),
              L"\"" + dest + L"\\installer.exe\" \"" + dest + L"\\uninstall.xml\"");
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, kUninstallSubkey, L"DisplayVersion"), L"1.4.2.0");
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, kUninstallSubkey, L"Publisher"), L"Kelvarion Ltd");
    EXPECT_EQ(ValueType(HKEY_LOCAL_MACHINE, kUninstallSubkey, L"NoModify"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ValueType(HKEY_LOCAL_MACHINE, kUninstallSubkey, L"DisplayName"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(ValueType(HKEY_LOCAL_MACHINE, kEnvironmentKey, L"Path"), static_cast<DWORD>(REG_EXPAND_SZ));
    const std::wstring path = ReadMachinePath();
    EXPECT_EQ(path, originalPath_ + L";" + dest);
    // The shell extensions registered themselves through regsvr32.
    const std::wstring extensions = L"Software\\ZanvoSoft\\DemoShellExtension";
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, extensions, L"ZanvoShellext64.dll"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ValueType(HKEY_CURRENT_USER, extensions, L"ZanvoShellext32.dll"), static_cast<DWORD>(REG_DWORD));
    // Shortcuts for all users.
    EXPECT_TRUE(PathExists(Global(L"ALL_USERS_DESKTOP") + L"\\Zanvo Archiver.lnk"));
    EXPECT_TRUE(PathExists(Global(L"ALL_USERS_START_MENU_PROGRAMS") + L"\\Zanvo Archiver\\Zanvo Archiver.lnk"));
    EXPECT_TRUE(
        PathExists(Global(L"ALL_USERS_START_MENU_PROGRAMS") + L"\\Zanvo Archiver\\Zanvo Archiver uninstall.lnk"));

    // The reports and downloads, in order, with their exact queries.
    const std::string uid = WideToUtf8(run.state.uid);
    const std::vector<std::string> requests = ProductRequests();
    ASSERT_EQ(requests.size(), 5u) << Joined(requests);
    EXPECT_EQ(requests[0], "/inst_start?build_id=100&channel_id=925759&uid=" + uid + "&toolbar=0");
    EXPECT_EQ(requests[1], "/smart-download/802484/qt484.zip");
    EXPECT_EQ(requests[2], "/smart-download/801874/vcredist_2008_sp1_x86.exe");
    EXPECT_EQ(requests[3], "/smart-download/803784/main_zanvo.zip");
    const std::regex complete("/inst_complete\\?build_id=100&channel_id=925759&uid=" +
                              std::regex_replace(uid, std::regex("[{}]"), "\\$&") +
                              "&toolbar=0&extradata=D01010100AI[0-9]{4}T");
    EXPECT_TRUE(std::regex_match(requests[4], complete)) << requests[4];

    // The uninstaller in the destination removes the product, its own folder
    // included (through the self-removal script once it has ended).
    ResetService(ServiceBaseUrl());
    const ProcessOutput uninstall = RunProcess(L"\"" + dest + L"\\installer.exe\" \"" + dest + L"\\uninstall.xml\"");
    EXPECT_EQ(uninstall.exitCode, 0) << uninstall.out;
    EXPECT_TRUE(WaitUntilGone(dest, 30)) << "the destination is still there";
    const std::vector<std::string> uninstallRequests = ProductRequests();
    ASSERT_EQ(uninstallRequests.size(), 1u) << Joined(uninstallRequests);
    EXPECT_EQ(uninstallRequests[0], "/uninstall?build_id=100&channel_id=925759&uid=" + uid);
    EXPECT_EQ(ReadMachinePath(), originalPath_);
    EXPECT_EQ(ValueText(HKEY_LOCAL_MACHINE, product, L"UID"), run.state.uid);
    const std::vector<std::wstring> left = UnexpectedDifferences(before, Picture());
    EXPECT_TRUE(left.empty()) << WideToUtf8(SnapshotText(left));
}

TEST_F(Product, AnUpdateReportsItself) {
    ASSERT_EQ(Install().result, 0);
    ResetService(ServiceBaseUrl());
    const Installation update = Install();
    ASSERT_EQ(update.result, 0) << WideToUtf8(update.statusLine);
    EXPECT_TRUE(update.state.isUpdate);
    EXPECT_TRUE(update.state.uidKnown);
    const std::vector<std::string> requests = ProductRequests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front().rfind("/upd_start?build_id=100&channel_id=925759&uid=", 0), 0u) << requests.front();
    EXPECT_EQ(requests.back().rfind("/upd_complete?", 0), 0u) << requests.back();
    // The destination was in the Path already: it is not added twice.
    EXPECT_EQ(ReadMachinePath(), originalPath_ + L";" + Destination(update.state, true));
}

// A failure injected into the installation; the undo document must then
// leave the machine as it was.
struct FailureCase {
    std::string name;
    std::function<void()> inject;                       // routes on the service
    std::function<void(ScriptContext&)> adjust;         // the documents' context
    std::function<void(const ScriptPaths&)> beforeRun;  // the machine
};

const char* const kPackages[] = {"/smart-download/802484/qt484.zip",
                                 "/smart-download/801874/vcredist_2008_sp1_x86.exe",
                                 "/smart-download/803784/main_zanvo.zip"};

void Route(const char* path, const wchar_t* options) {
    DefineRoute(ServiceBaseUrl(), Utf8ToWide(path), options);
}

std::vector<FailureCase> FailureCases() {
    std::vector<FailureCase> cases;
    const struct {
        const char* kind;
        const wchar_t* options;
    } faults[] = {
        {"404", L"status=404&text=not%20here"},
        {"truncated", L"size=50000&length=90000"},
        {"stall", L"size=50000&stall=40&stall_after=1000"},
    };
    for (const char* package : kPackages) {
        for (const auto& fault : faults) {
            const std::string name = std::string(fault.kind) + "_" + (std::strrchr(package, '/') + 1);
            cases.push_back({name, [package, options = fault.options] { Route(package, options); },
                             nullptr, nullptr});
        }
    }
    cases.push_back({"no_connection", nullptr,
                     [](ScriptContext& context) {
                         const std::wstring closed = ClosedPortUrl(L"");
                         context.baseUrl = closed.substr(0, closed.find(L'/', 8));
                     },
                     nullptr});
    cases.push_back({"damaged_runtime_archive", [] { Route(kPackages[0], L"text=not%20a%20zip"); }, nullptr, nullptr});
    cases.push_back({"damaged_main_archive", [] { Route(kPackages[2], L"text=not%20a%20zip"); }, nullptr, nullptr});
    cases.push_back({"uninstall_link_fails", nullptr, nullptr, [](const ScriptPaths&) {
                         // A folder where the link must go makes saving it fail.
                         CreateDirectoryW(DefaultMachineDestination().c_str(), nullptr);
                         CreateDirectoryW((DefaultMachineDestination() + L"\\Zanvo Archiver uninstall.lnk").c_str(),
                                          nullptr);
                     }});
    return cases;
}

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class Rollback : public Product, public testing::WithParamInterface<FailureCase> {};

TEST_P(Rollback, TheUndoDocumentLeavesTheMachineAsItWas) {
    const FailureCase& c = GetParam();
    const MachineSnapshot before = Picture();
    if (c.inject) {
        c.inject();
    }
    const Installation run = Install(c.adjust, c.beforeRun);
    const StatusFields fields = ParseStatusLine(run.statusLine);
    EXPECT_NE(run.result, 0) << c.name;
    EXPECT_NE(run.result, RESULT_REBOOT_PENDING) << c.name;
    EXPECT_FALSE(GetStatusField(fields, L"error").empty()) << WideToUtf8(run.statusLine);
    EXPECT_EQ(Undo(run.paths), 0) << c.name;
    const std::vector<std::wstring> left = UnexpectedDifferences(before, Picture());
    EXPECT_TRUE(left.empty()) << c.name << " left:\n" << WideToUtf8(SnapshotText(left));
    EXPECT_FALSE(PathExists(run.paths.undo)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Product, Rollback, testing::ValuesIn(FailureCases()),
                         [](const testing::TestParamInfo<FailureCase>& info) {
                             return std::regex_replace(info.param.name, std::regex("[^A-Za-z0-9]"), "_");
                         });

}  // namespace
