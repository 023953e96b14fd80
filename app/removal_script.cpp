#include "app/builtin_scripts.h"
#include "app/script_document.h"

#include <vector>

namespace {

using tinyxml2::XMLElement;

class RemovalScriptWriter {
public:
    RemovalScriptWriter(const ScriptInputs& in, RemovalKind kind) : in_(in), c_(in.conditions), kind_(kind) {}

    std::string Write() {
        XMLElement* root = doc_.Add(nullptr, "install", {{"errorscope", L"ignore"}});
        WriteParams(doc_.Add(root, "params"));
        XMLElement* init = doc_.Add(root, "package", {{"name", L"init"}});
        if (kind_ == RemovalKind::Uninstall) {
            doc_.Add(init, "statistic", {{"type", L"url"}, {"errorscope", L"ignore"}},
                     in_.context.baseUrl + L"/uninstall?build_id=%BUILD_ID%&channel_id=%CHANNEL_ID%&uid=%ZANVO_UID%");
        }
        doc_.Add(init, "killprocess",
                 {{"name", L"zanvomanager.exe"}, {"type", L"msg"}, {"errorscope", L"ignore"}, {"timeout", L"3000"}});
        WriteProductRemoval(doc_.Add(root, "package", {{"name", L"ZanvoArchiver"}}));
        return doc_.Text();
    }

private:
    void WriteParams(XMLElement* params) {
        std::vector<const char*> names = {"LANGUAGE", "INST_PATH", "REG_ROOT_NAME", "ZANVO_UID", "BUILD_ID",
                                          "CHANNEL_ID", "BUILD_NAME", "ALL_USERS_DESKTOP", "USER_DESKTOP",
                                          "ALL_USERS_START_MENU_PROGRAMS", "USER_START_MENU_PROGRAMS"};
        if (kind_ == RemovalKind::Undo) {
            names.push_back("INSTALL_XML_FILE");
            names.push_back("UNDO_XML_FILE");
        }
        names.push_back("UNINSTALL_XML_FILE");
        for (const char* name : names) {
            doc_.Add(params, name, {}, ScriptParameterValue(in_, name));
        }
    }

    XMLElement* Delete(XMLElement* parent, const std::wstring& path) {
        return doc_.Add(parent, "delete", {{"path", path}, {"errorscope", L"ignore"}});
    }

    void WriteProductRemoval(XMLElement* product) {
        // The UID value stays, so that a later installation keeps the identity.
        XMLElement* machineKey = Delete(product, L"HKEY_LOCAL_MACHINE\\%REG_ROOT_NAME%");
        doc_.Add(machineKey, "deletefile", {{"name", L"UID"}, {"skip", L"true"}});
        Delete(product, L"HKEY_CURRENT_USER\\%REG_ROOT_NAME%");
        Delete(product, kUninstallKey);
        if (c_.ext) {
            doc_.Add(product, "regdll",
                     {{"path", L"%INST_PATH%/zanvoshellext32.dll"}, {"errorscope", L"ignore"}, {"param", L"/u"}});
            doc_.Add(product, "regdll",
                     {{"path", L"%INST_PATH%/zanvoshellext64.dll"}, {"errorscope", L"ignore"}, {"param", L"/u"}});
        }
        if (c_.admin) {
            const wchar_t* setup = c_.win64 ? L"%INST_PATH%/winsetup64.exe" : L"%INST_PATH%/winsetup32.exe";
            XMLElement* check = doc_.Add(product, "checkexist", {{"path", setup}});
            XMLElement* exists = doc_.Add(check, "1");
            doc_.Add(exists, "exec",
                     {{"path", setup}, {"param", L"/uninstall"}, {"hidden", L"true"}, {"timeout", L"-1"},
                      {"errorscope", L"ignore"}});
        }
        if (c_.admin) {
            // The runtime installer the installation downloaded goes too.
            Delete(product, L"%CommonProgramFiles%/vcredist.exe");
        }
        for (const wchar_t* path :
             {L"%ALL_USERS_DESKTOP%/Zanvo Archiver.lnk", L"%ALL_USERS_START_MENU_PROGRAMS%/Zanvo Archiver",
              L"%USER_DESKTOP%/Zanvo Archiver.lnk", L"%USER_START_MENU_PROGRAMS%/Zanvo Archiver", L"%INSTALL_XML_FILE%",
              L"%UNINSTALL_XML_FILE%", L"%UNDO_XML_FILE%", L"%INST_PATH%"}) {
            Delete(product, path);
        }
        WritePathRestore(product);
    }

    // Only an installation that appended the destination to the machine Path
    // touches it again, and takes out exactly that entry: every other change
    // made since, and the value's %NAME% references, stay as they are.
    void WritePathRestore(XMLElement* product) {
        if (!c_.pathmissing) {
            return;
        }
        doc_.Add(product, "listentry",
                 {{"action", L"remove"}, {"valname", kMachinePathValue}, {"entry", L"%INST_PATH%"},
                  {"errorscope", L"ignore"}});
    }

    const ScriptInputs& in_;
    const ScriptConditions& c_;
    RemovalKind kind_;
    ScriptDocument doc_;
};

}  // namespace

std::string RemovalScriptText(const ScriptInputs& inputs, RemovalKind kind) {
    return RemovalScriptWriter(inputs, kind).Write();
}

int32_t BuildAllScripts(const ScriptInputs& inputs) {
    int32_t result = BuildInstallScript(inputs);
    if (result == 0) {
        result = BuildRemovalScript(inputs, RemovalKind::Uninstall);
    }
    if (result == 0) {
        result = BuildRemovalScript(inputs, RemovalKind::Undo);
    }
    return result;
}

int32_t BuildRemovalScript(const ScriptInputs& inputs, RemovalKind kind) {
    const std::wstring& path = kind == RemovalKind::Uninstall ? inputs.paths.uninstall : inputs.paths.undo;
    return WriteScriptFile(path, RemovalScriptText(inputs, kind));
}
