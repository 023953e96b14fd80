// The running program's own file and folder: what a delete leaves to the
// self-removal script, the script itself, and Wine's cmd.exe running it.
// The running program is a copy of the helper program, so that nothing here
// can ever remove the test program.
#include <gtest/gtest.h>

#include "app/self_removal.h"
#include "tests/files/files_test_support.h"
#include "tests/support/test_support.h"

namespace {

constexpr auto kScriptTime = std::chrono::seconds(30);

struct HelperRun {
    std::string out;
    int exitCode = -1;
};

// Runs a copy of the helper at `program` with its temporary folder set to
// `temp`, where a self-removal script would be written.
HelperRun RunHelperCopy(const std::wstring& program, const std::wstring& temp, const std::wstring& arguments) {
    EXPECT_TRUE(CopyFileW(HelperProgram().c_str(), program.c_str(), FALSE)) << WideToUtf8(program);
    wchar_t saved[MAX_PATH];
    GetEnvironmentVariableW(L"TMP", saved, MAX_PATH);
    SetEnvironmentVariableW(L"TMP", temp.c_str());
    const ProcessOutput run = RunProcess(L"\"" + program + L"\" " + arguments);
    SetEnvironmentVariableW(L"TMP", saved);
    std::string out = run.out;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) {
        out.pop_back();
    }
    return {out, run.exitCode};
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

TEST(RemovalScript, TextNamesPathsOnlyThroughItsEnvironment) {
    const std::string withFolder = RemovalScriptText(true);
    const std::string withoutFolder = RemovalScriptText(false);
    EXPECT_NE(withFolder.find("RD /S /Q \"!ZANVO_CLEANER_FOLDER!\"\r\n"), std::string::npos);
    // Without a folder nothing but the program and the script itself goes.
    EXPECT_EQ(withoutFolder.find("RD "), std::string::npos);
    EXPECT_NE(withoutFolder.find("IF EXIST \"!ZANVO_CLEANER_PROGRAM!\" GOTO REPEAT\r\n"), std::string::npos);
    for (const std::string& text : {withFolder, withoutFolder}) {
        EXPECT_EQ(text.rfind("DEL \"%~f0\"\r\n"), text.size() - 12);
        for (size_t i = 0; i < text.size(); ++i) {
            EXPECT_LT(static_cast<unsigned char>(text[i]), 0x80u);
            if (text[i] == '\n') {
                EXPECT_EQ(text[i - 1], '\r');
            }
        }
    }
}

// Folder names that cmd.exe would otherwise parse: "%", "&", "^", and
// letters of no single code page.
TEST(RemovalScript, RunsInCmdOnAFolderWithAwkwardName) {
    TempDir dir;
    const std::wstring folder = dir / L"100% A&B^C \u00fc \u03a9 \u4e2d";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
    WriteFileBytes(folder + L"\\program.exe", "program");
    WriteFileBytes(folder + L"\\sub\\data.txt", "data");
    WriteFileBytes(dir / L"sibling.txt", "stays");

    ASSERT_EQ(StartRemovalScript(folder + L"\\program.exe", folder), 0);
    EXPECT_TRUE(WaitFor([&] { return !PathExists(folder); }, kScriptTime));
    EXPECT_EQ(ReadFileBytes(dir / L"sibling.txt"), "stays");
}

TEST(SelfRemoval, DeletingTheOwnFolderEmptiesItAndTheScriptEndsIt) {
    TempDir dir;
    const std::wstring temp = dir / L"temp";
    const std::wstring app = dir / L"100% A&B^C \u00fc \u03a9 \u4e2d";
    CreateDirectoryW(temp.c_str(), nullptr);
    CreateDirectoryW(app.c_str(), nullptr);
    CreateDirectoryW((app + L"\\sub").c_str(), nullptr);
    WriteFileBytes(app + L"\\uninstall.xml", "x");
    WriteFileBytes(app + L"\\sub\\data.txt", "d");

    const HelperRun run = RunHelperCopy(app + L"\\setup.exe", temp, L"delete " + Quoted(app));
    EXPECT_EQ(run.out, "result:0 cleaner:1");
    EXPECT_FALSE(PathExists(app + L"\\uninstall.xml"));
    EXPECT_FALSE(PathExists(app + L"\\sub"));
    EXPECT_TRUE(WaitFor([&] { return !PathExists(app); }, kScriptTime));
    EXPECT_TRUE(WaitFor([&] { return !PathExists(temp + L"\\cleaner.bat"); }, kScriptTime));
}

TEST(SelfRemoval, DeletingTheOwnFileLeavesItsFolder) {
    TempDir dir;
    const std::wstring temp = dir / L"temp";
    const std::wstring app = dir / L"App";
    CreateDirectoryW(temp.c_str(), nullptr);
    CreateDirectoryW(app.c_str(), nullptr);
    WriteFileBytes(app + L"\\other.txt", "stays");

    const HelperRun run = RunHelperCopy(app + L"\\setup.exe", temp, L"deletefile " + Quoted(app + L"/setup.exe"));
    EXPECT_EQ(run.out, "result:0 cleaner:1");
    EXPECT_TRUE(WaitFor([&] { return !PathExists(app + L"\\setup.exe"); }, kScriptTime));
    EXPECT_TRUE(WaitFor([&] { return !PathExists(temp + L"\\cleaner.bat"); }, kScriptTime));
    EXPECT_EQ(ReadFileBytes(app + L"\\other.txt"), "stays");
}

// C:\Prog does not hold C:\Program Files\App: it goes completely, and the
// program is not handed to the self-removal script.
TEST(SelfRemoval, AFolderWhoseNameBeginsTheProgramsPathIsNoOwnFolder) {
    TempDir dir;
    const std::wstring temp = dir / L"temp";
    const std::wstring prog = dir / L"Prog";
    const std::wstring app = dir / L"Program Files\\App";
    CreateDirectoryW(temp.c_str(), nullptr);
    CreateDirectoryW(prog.c_str(), nullptr);
    CreateDirectoryW((dir / L"Program Files").c_str(), nullptr);
    CreateDirectoryW(app.c_str(), nullptr);
    WriteFileBytes(prog + L"\\data.txt", "d");

    const HelperRun run = RunHelperCopy(app + L"\\setup.exe", temp, L"delete " + Quoted(prog));
    EXPECT_EQ(run.out, "result:0 cleaner:0");
    EXPECT_FALSE(PathExists(prog));
    EXPECT_TRUE(PathExists(app + L"\\setup.exe"));
}

}  // namespace
