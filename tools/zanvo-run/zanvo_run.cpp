// zanvo-run [--poll MS] [--current] SCRIPT
// Runs SCRIPT (or standard input for "-") on a worker thread exactly as the
// progress screens do, printing each new status line while it runs. When a
// download keeps failing, its Retry/Cancel question is asked on the console.
#include <fcntl.h>
#include <io.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <iostream>
#include <iterator>
#include <string>

#include "common/result_codes.h"
#include "common/text_conversion.h"
#include "engine/xml_processor.h"
#include "files/download_retries.h"

namespace {

struct Options {
    int pollMs = 100;
    bool current = false;
    std::wstring script;
};

bool ParseOptions(int argc, wchar_t** argv, Options& options) {
    int i = 1;
    for (; i < argc; ++i) {
        const std::wstring arg = argv[i];
        if (arg == L"--poll" && i + 1 < argc) {
            wchar_t* end = nullptr;
            const long ms = wcstol(argv[++i], &end, 10);
            if (end == argv[i] || *end != L'\0' || ms <= 0) {
                return false;
            }
            options.pollMs = static_cast<int>(ms);
        } else if (arg == L"--current") {
            options.current = true;
        } else {
            break;
        }
    }
    if (i != argc - 1) {
        return false;
    }
    options.script = argv[i];
    return !options.script.empty();
}

void PrintLine(const std::string& prefix, const std::wstring& text) {
    const std::string line = prefix + WideToUtf8(text) + "\n";
    fwrite(line.data(), 1, line.size(), stdout);
    fflush(stdout);
}

// A line starting with "r" retries; anything else, or the end of input,
// cancels.
RetryAnswer AskOnConsole() {
    PrintLine("question: ", std::wstring(kConnectionQuestionText) + L" [r = retry, anything else = cancel]");
    std::string line;
    if (!std::getline(std::cin, line)) {
        return RetryAnswer::Cancel;
    }
    return !line.empty() && (line[0] == 'r' || line[0] == 'R') ? RetryAnswer::Retry : RetryAnswer::Cancel;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        fputs("usage: zanvo-run [--poll MS] [--current] SCRIPT|-\n", stderr);
        return 2;
    }
    _setmode(_fileno(stdout), _O_BINARY);

    std::string input;
    if (options.script == L"-") {
        _setmode(_fileno(stdin), _O_BINARY);
        input.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    }

    SetRetryQuestion(AskOnConsole);
    CXMLProcessor processor;
    std::future<void> worker = std::async(std::launch::async, [&] {
        if (options.script == L"-") {
            processor.ParseAndRun(input.data(), input.size());
        } else {
            processor.LoadFileAndRun(options.script);
        }
    });

    std::wstring last;
    bool printed = false;
    // Poll until the worker has returned, then once more below for the final line.
    while (worker.wait_for(std::chrono::milliseconds(options.pollMs)) == std::future_status::timeout) {
        const std::wstring line = processor.GetStatusLine();
        if (!printed || line != last) {
            PrintLine("", line);
            last = line;
            printed = true;
        }
    }
    worker.get();

    PrintLine("final: ", processor.GetStatusLine());
    if (options.current) {
        PrintLine("current: ", processor.GetCurrentHandlerText());
    }
    const int32_t result = processor.Result();
    PrintLine("result: ", std::to_wstring(result));
    return (result == RESULT_SUCCESS || result == RESULT_REBOOT_PENDING) ? 0 : 1;
}
