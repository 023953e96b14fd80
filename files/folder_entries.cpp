#include "files/folder_entries.h"

#include <string>

#include "common/result_codes.h"
#include "files/path_functions.h"
#include "files/unique_handle.h"

int32_t ForEachFolderEntry(std::wstring_view folder, const std::function<int32_t(const WIN32_FIND_DATAW&)>& visit) {
    WIN32_FIND_DATAW entry;
    UniqueFindHandle find = AdoptFindHandle(FindFirstFileW((EnsureTrailingSeparator(folder) + L"*").c_str(), &entry));
    if (!find) {
        return RESULT_SUCCESS;
    }
    bool pending = false;
    do {
        if (IsDotEntry(entry.cFileName)) {
            continue;
        }
        const int32_t result = visit(entry);
        if (result == RESULT_REBOOT_PENDING) {
            pending = true;
        } else if (result != RESULT_SUCCESS) {
            return result;
        }
    } while (FindNextFileW(find.get(), &entry));
    return pending ? RESULT_REBOOT_PENDING : RESULT_SUCCESS;
}
