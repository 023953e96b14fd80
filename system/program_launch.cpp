#include "system/program_launch.h"

#include <windows.h>
#include <shellapi.h>

#include "common/result_codes.h"
#include "files/own_paths.h"
#include "files/path_functions.h"
#include "files/unique_handle.h"
#include "system/com_apartment.h"
#include "system/platform_facts.h"

namespace {

constexpr size_t kMaxLaunchText = 2028;
constexpr size_t kMaxPlainPath = 259;

// Paths the shell would cut at MAX_PATH go as "\\?\" paths.
std::wstring WithLongPathPrefix(std::wstring path) {
    return path.size() > kMaxPlainPath ? L"\\\\?\\" + path : path;
}

std::wstring WorkingFolderOf(const std::wstring& program) {
    auto [folder, name] = SplitPath(program);
    if (folder.empty()) {
        folder = GetOwnModuleFolder();
    }
    return WithLongPathPrefix(EnsureTrailingSeparator(NormalizeSeparators(folder)));
}

}  // namespace

int32_t RunProgram(const std::wstring& program, const std::wstring& arguments, int32_t timeoutMs, bool hidden,
                   bool allowRunas) {
    if (program.empty()) {
        return ERROR_SUCCESS;
    }
    if (program.size() > kMaxLaunchText || arguments.size() > kMaxLaunchText) {
        return ERROR_BUFFER_OVERFLOW;
    }
    std::wstring path = NormalizeSeparators(program);
    if (IsAbsolutePath(program)) {
        path = WithLongPathPrefix(path);
    }
    const std::wstring folder = WorkingFolderOf(program);

    const ComApartment com;
    if (!com.Usable()) {
        return com.Result();
    }
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    // No shell error box: a missing program is reported by its error code,
    // and a box nobody answers would hold the script worker.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = (allowRunas && IsVistaOrLater()) ? L"runas" : nullptr;
    info.lpFile = path.c_str();
    info.lpParameters = arguments.empty() ? nullptr : arguments.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        return LastErrorResult();
    }
    const UniqueHandle process(info.hProcess);
    if (!process) {
        return ERROR_SUCCESS;
    }
    const DWORD wait = timeoutMs < 0 ? INFINITE : static_cast<DWORD>(timeoutMs);
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.get(), wait) == WAIT_OBJECT_0 && GetExitCodeProcess(process.get(), &exitCode)) {
        return static_cast<int32_t>(exitCode);
    }
    return ERROR_SUCCESS;
}
