// files_test_helper MODE [PATH]: a second program for the file tests.
//   wait             runs until its standard input ends (an image in use)
//   delete PATH      DeletePath on PATH, as the delete tag does
//   deletefile PATH  DeleteFileChecked on PATH
// The two deleting modes print "result:N cleaner:B", B telling whether a
// self-removal script was written to the temporary folder.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "files/delete_operations.h"

namespace {

bool CleanerWritten() {
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    return GetFileAttributesW((std::wstring(temp) + L"cleaner.bat").c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"wait") {
        char buffer[64];
        DWORD read = 0;
        while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
        }
        return 0;
    }
    if ((mode == L"delete" || mode == L"deletefile") && argc == 3) {
        std::atomic<int32_t> abortState{0};
        ProgressLevel level(abortState);
        const int32_t result = mode == L"delete" ? DeletePath(argv[2], level) : DeleteFileChecked(argv[2], level);
        printf("result:%d cleaner:%d\n", result, CleanerWritten() ? 1 : 0);
        return 0;
    }
    fprintf(stderr, "usage: files_test_helper wait | delete PATH | deletefile PATH\n");
    return 2;
}
