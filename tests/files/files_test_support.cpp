#include "tests/files/files_test_support.h"

#include <gtest/gtest.h>

#include <thread>

#include "common/text_conversion.h"
#include "files/path_functions.h"
#include "tests/support/test_support.h"

namespace {

const wchar_t kSessionManager[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const wchar_t kPendingValue[] = L"PendingFileRenameOperations";

// Registered names carry the native "\??\" prefix.
std::wstring WithoutNativePrefix(const std::wstring& name) {
    return name.rfind(L"\\??\\", 0) == 0 ? name.substr(4) : name;
}

// A mapped image refuses writers, whatever they share.
bool CanOpenForWriting(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(file);
    return true;
}

}  // namespace

RunningProgram::RunningProgram(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr;
    if (!CreatePipe(&read, &input_, &inherit, 0)) {
        return;
    }
    SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = read;
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    std::wstring line = commandLine;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        process_ = process.hProcess;
    }
    CloseHandle(read);
}

RunningProgram::~RunningProgram() { Stop(); }

void RunningProgram::Stop() {
    if (input_ != nullptr) {
        CloseHandle(input_);
        input_ = nullptr;
    }
    if (process_ != nullptr) {
        WaitForSingleObject(process_, 30000);
        CloseHandle(process_);
        process_ = nullptr;
    }
}

std::unique_ptr<RunningProgram> StartImageInUse(const std::wstring& path) {
    EXPECT_TRUE(CopyFileW(HelperProgram().c_str(), path.c_str(), FALSE)) << WideToUtf8(path);
    auto program = std::make_unique<RunningProgram>(L"\"" + path + L"\" wait");
    EXPECT_TRUE(program->Started()) << WideToUtf8(path);
    EXPECT_TRUE(WaitFor([&] { return !CanOpenForWriting(path); }, std::chrono::seconds(10))) << WideToUtf8(path);
    return program;
}

std::wstring HelperProgram() { return ProgramFolder() + L"\\files_test_helper.exe"; }

std::wstring FixturePath(const std::wstring& name) {
    return FullPath(ProgramFolder() + L"\\..\\fixtures\\files\\" + name);
}

std::string UnixPath(const std::wstring& path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    const auto convert =
        reinterpret_cast<Convert>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    if (convert == nullptr) {
        return {};
    }
    char* unix = convert(path.c_str());
    if (unix == nullptr) {
        return {};
    }
    std::string out = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return out;
}

bool MakeUnixSymlink(const std::wstring& target, const std::wstring& link) {
    const std::string unixTarget = UnixPath(target);
    const std::string unixLink = UnixPath(link);
    if (unixTarget.empty() || unixLink.empty()) {
        return false;
    }
    // Wine starts Unix programs named by their Z: path.
    RunProcess(L"Z:\\bin\\ln -s \"" + Utf8ToWide(unixTarget) + L"\" \"" + Utf8ToWide(unixLink) + L"\"");
    const DWORD attributes = GetFileAttributesW(link.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

std::vector<std::wstring> PendingRestartNames() {
    std::vector<std::wstring> names;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return names;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key, kPendingValue, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0) {
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        RegQueryValueExW(key, kPendingValue, nullptr, nullptr, reinterpret_cast<BYTE*>(data.data()), &size);
        // Pairs of source and target; a deletion has an empty target.
        bool source = true;
        for (size_t at = 0; at < size / sizeof(wchar_t);) {
            const std::wstring name(data.c_str() + at);
            at += name.size() + 1;
            if (source && !name.empty()) {
                names.push_back(WithoutNativePrefix(name));
            }
            source = !source;
        }
    }
    RegCloseKey(key);
    return names;
}

bool IsPendingAtRestart(const std::wstring& path) {
    for (const std::wstring& name : PendingRestartNames()) {
        if (IsSamePath(name, path)) {
            return true;
        }
    }
    return false;
}

void ClearPendingRestart() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, kPendingValue);
        RegCloseKey(key);
    }
}

bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return true;
}

CurrentDirectoryGuard::CurrentDirectoryGuard() : saved_(CurrentDirectory()) {}

CurrentDirectoryGuard::~CurrentDirectoryGuard() { SetCurrentDirectoryW(saved_.c_str()); }

