#include "app/builtin_scripts.h"
#include "app/script_document.h"

namespace {

using tinyxml2::XMLElement;

const char* const kInstallParameters[] = {
    "LANGUAGE", "INST_PATH", "INSTALL_XML_FILE", "UNINSTALL_XML_FILE", "UNDO_XML_FILE", "REG_ROOT_NAME",
    "ZANVO_UID", "BUILD_ID", "CHANNEL_ID", "INSTALLER_CHANNEL_ID", "TOOLBAR_MASK", "BUILD_NAME",
    "UNINST_TOOLBAR_DISP_NAME", "UNINST_ZANVO_DISP_NAME", "RUN_TYPE", "ALL_USERS_DESKTOP", "USER_DESKTOP",
    "ALL_USERS_START_MENU_PROGRAMS", "USER_START_MENU_PROGRAMS", "SELF_PATH", "SELF_NAME",
};

const wchar_t kProductKey[] = L"%REG_ROOT_NAME%";

class InstallScriptWriter {
public:
    explicit InstallScriptWriter(const ScriptInputs& in) : in_(in), c_(in.conditions) {}

    std::string Write() {
        XMLElement* root = doc_.Add(nullptr, "install", {{"errorscope", L"global"}});
        XMLElement* params = doc_.Add(root, "params");
        for (const char* name : kInstallParameters) {
            doc_.Add(params, name, {}, ScriptParameterValue(in_, name));
        }
        WriteInit(doc_.Add(root, "package", {{"name", L"init"}}));
        WritePrerequisites(doc_.Add(root, "packagegroup", {{"name", L"ZanvoPrerequest"}}));
        WriteProduct(doc_.Add(root, "package", {{"name", L"ZanvoArchiver"}}));
        WriteCleanup(doc_.Add(root, "package", {{"name", L"cleanup"}}));
        return doc_.Text();
    }

private:
    std::wstring Base(const wchar_t* path) const { return in_.context.baseUrl + path; }

    void Download(XMLElement* parent, const wchar_t* path, const wchar_t* dst, const wchar_t* counter,
                  const std::wstring& sha256) {
        XMLElement* element = doc_.Add(parent, "downloadfile",
                                       {{"src", Base(path)}, {"dst", dst}, {"attempt_val", counter},
                                        {"errorscope", L"global"}});
        if (!sha256.empty()) {
            element->SetAttribute("sha256", std::string(sha256.begin(), sha256.end()).c_str());
        }
    }

    void Registry(XMLElement* parent, const std::wstring& valname, const wchar_t* type, const std::wstring& text) {
        doc_.Add(parent, "registry", {{"valname", valname}, {"valtype", type}}, text);
    }

    void Delete(XMLElement* parent, const std::wstring& path) {
        doc_.Add(parent, "delete", {{"path", path}, {"errorscope", L"ignore"}});
    }

    void Exec(XMLElement* parent, const std::wstring& path, const std::wstring& param) {
        doc_.Add(parent, "exec",
                 {{"path", path}, {"param", param}, {"hidden", L"true"}, {"timeout", L"-1"}, {"errorscope", L"ignore"}});
    }

    std::wstring SetupProgram() const {
        return c_.win64 ? L"%INST_PATH%/winsetup64.exe" : L"%INST_PATH%/winsetup32.exe";
    }

    void WriteInit(XMLElement* init) {
        doc_.Add(init, "statistic", {{"type", L"url"}, {"errorscope", L"ignore"}},
                 Base(L"/%RUN_TYPE%_start?build_id=%BUILD_ID%&channel_id=%INSTALLER_CHANNEL_ID%&uid=%ZANVO_UID%"
                      L"&toolbar=%TOOLBAR_MASK%"));
        doc_.Add(init, "killprocess",
                 {{"name", L"zanvomanager.exe"}, {"type", L"msg"}, {"errorscope", L"ignore"}, {"timeout", L"3000"}});
    }

    void WritePrerequisites(XMLElement* group) {
        XMLElement* qt = doc_.Add(group, "package", {{"name", L"QT"}});
        Download(qt, L"/smart-download/802484/qt484.zip", L"%INST_PATH%/Temp/qt.zip", L"xx", in_.context.hashes.qt);
        doc_.Add(qt, "unpack", {{"src", L"%INST_PATH%/Temp/qt.zip"}, {"dst", L"%INST_PATH%/"}});
        XMLElement* vcredist = doc_.Add(group, "package", {{"name", L"VCRedist"}});
        if (c_.admin) {
            Download(vcredist, L"/smart-download/801874/vcredist_2008_sp1_x86.exe", L"%CommonProgramFiles%/vcredist.exe",
                     L"yy", in_.context.hashes.vcredist);
            Exec(vcredist, L"%CommonProgramFiles%/vcredist.exe", L"/q");
        }
    }

    void WriteProduct(XMLElement* product) {
        const std::wstring user = std::wstring(L"HKEY_CURRENT_USER\\") + kProductKey;
        const std::wstring machine = std::wstring(L"HKEY_LOCAL_MACHINE\\") + kProductKey;
        const std::wstring uninstall = kUninstallKey;

        XMLElement* dependencies = doc_.Add(product, "dependencies");
        doc_.Add(dependencies, "dependency", {}, L"ZanvoPrerequest");
        if (c_.oldver) {
            Delete(product, user + L"\\PreferredOpenAction");
        }
        Delete(product, user + L"\\UID");
        Registry(product, user + L"\\LocaleISO", L"reg_sz", L"%language%");
        if (c_.admin && c_.twocopies) {
            Exec(product, in_.state.userInstallDir + L"\\installer.exe",
                 c_.replace ? L"uninstall.xml /noask" : L"uninstall.xml");
            Delete(product, user + L"\\Install_dir");
        }
        if (c_.admin) {
            Registry(product, machine + L"\\ChannelID", L"reg_sz", L"%CHANNEL_ID%");
            Registry(product, machine + L"\\Install_dir", L"reg_sz", L"%INST_PATH%");
            Registry(product, machine + L"\\UID", L"reg_sz", L"%ZANVO_UID%");
            Registry(product, uninstall + L"\\DisplayName", L"reg_sz", L"%UNINST_ZANVO_DISP_NAME%");
            Registry(product, uninstall + L"\\UninstallString", L"reg_sz",
                     L"\"%INST_PATH%\\installer.exe\" \"%INST_PATH%\\uninstall.xml\"");
            Registry(product, uninstall + L"\\NoModify", L"reg_dword", L"1");
            Registry(product, uninstall + L"\\NoRepair", L"reg_dword", L"1");
            Registry(product, uninstall + L"\\DisplayIcon", L"reg_sz", L"%INST_PATH%\\installer.exe");
            Registry(product, uninstall + L"\\Publisher", L"reg_sz", L"Kelvarion Ltd");
        } else {
            Registry(product, user + L"\\Install_dir", L"reg_sz", L"%INST_PATH%");
        }
        Download(product, L"/smart-download/803784/main_zanvo.zip", L"%INST_PATH%/TEMP/main_zanvo.zip", L"zz",
                 in_.context.hashes.main);
        Delete(product, L"%INST_PATH%\\settings.xml");
        XMLElement* unpack = doc_.Add(product, "unpack", {{"src", L"%INST_PATH%/Temp/main_zanvo.zip"}, {"dst", L"%INST_PATH%/"}});
        // Only the programs of this processor width are unpacked.
        if (c_.win64) {
            doc_.Add(unpack, "unpackfile", {{"src", L"WinSetup32.exe"}, {"skip", L"true"}});
        } else {
            doc_.Add(unpack, "unpackfile", {{"src", L"ZanvoShellext64.dll"}, {"skip", L"true"}});
            doc_.Add(unpack, "unpackfile", {{"src", L"WinSetup64.exe"}, {"skip", L"true"}});
        }
        if (c_.admin) {
            doc_.Add(product, "RegistryVersion",
                     {{"dst", uninstall + L"\\DisplayVersion"}, {"src", ProductProgramPath(in_.state, true)}});
        }
        doc_.Add(product, "copyfile", {{"src", L"%SELF_PATH%\\%SELF_NAME%"}, {"dst", L"%INST_PATH%\\installer.exe"}});
        doc_.Add(product, "copyfile", {{"src", L"%UNINSTALL_XML_FILE%"}, {"dst", L"%INST_PATH%\\uninstall.xml"}});
        Registry(product, user + L"\\agreetoimprove", L"reg_sz", c_.stats ? L"true" : L"false");
        if (c_.admin) {
            Exec(product, SetupProgram(), L"/install \"%INST_PATH%\"");
        }
        const bool shellExtensions = c_.ext && !c_.profiles;
        if (shellExtensions && c_.win64) {
            doc_.Add(product, "regdll", {{"path", L"%INST_PATH%/ZanvoShellext64.dll"}, {"errorscope", L"ignore"}});
        }
        if (shellExtensions) {
            doc_.Add(product, "regdll", {{"path", L"%INST_PATH%/ZanvoShellext32.dll"}, {"errorscope", L"ignore"}});
        }
        Registry(product, user + L"\\EnableContextMenuIntegration", L"reg_sz", shellExtensions ? L"true" : L"false");
        if (c_.assoc && !c_.profiles) {
            Exec(product, SetupProgram(), L"/assoc zanvo zip rar 7z zipx gz bz2 tar arj deb lzh");
        }
        WriteShortcuts(product);
        doc_.Add(product, "createlink",
                 {{"dst", L"%INST_PATH%/Zanvo Archiver uninstall.lnk"}, {"src", L"%INST_PATH%/installer.exe"},
                  {"workdir", L"%INST_PATH%/"}, {"iconfile", L"%INST_PATH%/ZanvoManager.exe"}, {"iconnum", L"0"},
                  {"param", L"uninstall.xml"}});
        doc_.Add(product, "runtimeParamStatistic", {{"type", L"url"}, {"errorscope", L"ignore"}},
                 Base(L"/%RUN_TYPE%_complete?build_id=%BUILD_ID%&channel_id=%INSTALLER_CHANNEL_ID%&uid=%ZANVO_UID%"
                      L"&toolbar=%TOOLBAR_MASK%"));
        // Appended at run time to the value as it is then: rewriting the whole
        // Path from this document would expand its %NAME% references and
        // could replace an unread Path by the destination alone.
        if (c_.pathmissing) {
            doc_.Add(product, "listentry",
                     {{"action", L"add"}, {"valname", kMachinePathValue}, {"valtype", L"REG_EXPAND_SZ"},
                      {"entry", Destination(in_.state, c_.admin)}});
        }
    }

    void WriteShortcuts(XMLElement* product) {
        const bool allUsers = c_.admin && !c_.profiles;
        const std::wstring desktop = allUsers ? L"%ALL_USERS_DESKTOP%" : L"%USER_DESKTOP%";
        const std::wstring programs = allUsers ? L"%ALL_USERS_START_MENU_PROGRAMS%" : L"%USER_START_MENU_PROGRAMS%";
        const std::wstring menuLink = programs + L"/Zanvo Archiver/Zanvo Archiver.lnk";
        const std::wstring uninstallLink = programs + L"/Zanvo Archiver/Zanvo Archiver uninstall.lnk";

        Delete(product, desktop + L"/Zanvo Archiver.lnk");
        ProductLink(product, desktop + L"/Zanvo Archiver");
        Delete(product, menuLink);
        ProductLink(product, menuLink);
        if (!c_.win8) {
            Delete(product, uninstallLink);
            doc_.Add(product, "createlink",
                     {{"dst", uninstallLink}, {"src", L"%INST_PATH%/installer.exe"}, {"workdir", L"%INST_PATH%/"},
                      {"iconfile", L"%INST_PATH%/ZanvoManager.exe"}, {"iconnum", L"0"}, {"param", L"uninstall.xml"},
                      {"errorscope", L"ignore"}});
        }
    }

    void ProductLink(XMLElement* product, const std::wstring& dst) {
        doc_.Add(product, "createlink",
                 {{"dst", dst}, {"src", L"%INST_PATH%/ZanvoManager.exe"}, {"workdir", L"%INST_PATH%/"},
                  {"linkprop", L"Zanvo.ZanvoArchiver"}, {"errorscope", L"ignore"}});
    }

    void WriteCleanup(XMLElement* cleanup) {
        for (const wchar_t* path : {L"%APPDATA%/ZanvoToolbar/tlb.zip", L"%INST_PATH%/Temp/", L"%INSTALL_XML_FILE%",
                                    L"%UNINSTALL_XML_FILE%", L"%UNDO_XML_FILE%"}) {
            Delete(cleanup, path);
        }
    }

    const ScriptInputs& in_;
    const ScriptConditions& c_;
    ScriptDocument doc_;
};

}  // namespace

std::string InstallScriptText(const ScriptInputs& inputs) { return InstallScriptWriter(inputs).Write(); }

int32_t BuildInstallScript(const ScriptInputs& inputs) {
    return WriteScriptFile(inputs.paths.install, InstallScriptText(inputs));
}
