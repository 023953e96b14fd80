#pragma once
// Everything the built-in documents depend on besides InstallerState, passed
// in as values so that every row and condition can be checked without a
// machine in that state.
#include <string>

struct ScriptPaths {
    std::wstring install;    // INSTALL_XML_FILE
    std::wstring uninstall;  // UNINSTALL_XML_FILE
    std::wstring undo;       // UNDO_XML_FILE
};

struct ScriptConditions {
    bool admin = true;
    bool win64 = true;
    bool win8 = false;
    bool profiles = false;
    bool ext = true;
    bool assoc = true;
    bool stats = true;
    bool oldver = false;
    bool twocopies = false;
    bool replace = false;
    bool pathmissing = true;
};

// SHA-256 of the three packages, when the build was configured with them;
// an empty text means no check.
struct PackageHashes {
    std::wstring qt;
    std::wstring vcredist;
    std::wstring main;
};

struct ScriptContext {
    std::wstring baseUrl;   // the vendor's web service, no trailing "/"
    std::wstring language;  // code of the interface language
    std::wstring selfPath;  // folder of the running installer
    std::wstring selfName;  // its file name
    std::wstring allUsersDesktop;
    std::wstring userDesktop;
    std::wstring allUsersStartMenuPrograms;
    std::wstring userStartMenuPrograms;
    PackageHashes hashes;
};
