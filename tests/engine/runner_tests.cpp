// zanvo-run, the script runner, driven as a separate program.
#include <gtest/gtest.h>

#include <sstream>

#include "common/text_conversion.h"
#include "tests/support/test_support.h"

namespace {

std::wstring Runner() { return L"\"" + ProgramFolder() + L"\\zanvo-run.exe\""; }

std::vector<std::string> Lines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

TEST(Runner, RunsAFileAndPrintsFinalCurrentAndResult) {
    TempDir dir(L"r\u00e9");
    const std::wstring script = dir / L"s.xml";
    WriteFileBytes(script, "<install><package name='p'><checkexist path='C:\\'><1><checkexist path='"
                           "\xc3\xa4'/></1></checkexist></package></install>");
    const ProcessOutput run = RunProcess(Runner() + L" --current \"" + script + L"\"");
    EXPECT_EQ(run.exitCode, 0) << run.out;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[lines.size() - 3], "final: action:; name:; progress1:1000; progress2:0; status:stop");
    EXPECT_EQ(lines[lines.size() - 2], "current: <CHECKEXIST path=\"\xc3\xa4\"></CHECKEXIST>");
    EXPECT_EQ(lines.back(), "result: 0");
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(Runner, ReadsTheScriptFromStandardInput) {
    const ProcessOutput run =
        RunProcess(Runner() + L" --poll 10 -", "<install><package><dependencies><dependency>x</dependency>"
                                               "</dependencies></package></install>");
    EXPECT_EQ(run.exitCode, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 2u) << run.out;
    EXPECT_EQ(lines[lines.size() - 2],
              "final: action:; name:; progress1:1000; progress2:0; status:stop; error: general error");
    EXPECT_EQ(lines.back(), "result: -1");
}

TEST(Runner, LoadErrorIsAFailure) {
    TempDir dir;
    const ProcessOutput run = RunProcess(Runner() + L" \"" + (dir / L"missing.xml") + L"\"");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.out).back(), "result: 3");
}

TEST(Runner, ExitCodesTable) {
    struct Case {
        const char* name;
        std::wstring arguments;
        std::string input;
        int32_t exitCode;
    };
    const Case cases[] = {
        {"empty_document", L"-", "", 0},
        {"abort_free_success", L"-", "<install/>", 0},
        {"child_only_tag_fault", L"-", "<install><dependency/></install>", 1},
        {"no_arguments", L"", "", 2},
        {"two_scripts", L"a.xml b.xml", "", 2},
        {"unknown_option", L"--fast a.xml", "", 2},
        {"bad_poll", L"--poll x a.xml", "", 2},
        {"poll_without_script", L"--poll 5", "", 2},
    };
    for (const Case& c : cases) {
        const ProcessOutput run = RunProcess(Runner() + L" " + c.arguments, c.input);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name << "\n" << run.out;
    }
}

TEST(Runner, PrintsEachDistinctStatusLineOnce) {
    // A long walk keeps the runner polling; no line is printed twice in a row.
    std::string xml = "<install>";
    for (int i = 0; i < 20000; ++i) {
        xml += "<package><checkexist path='C:\\nope'/></package>";
    }
    xml += "</install>";
    const ProcessOutput run = RunProcess(Runner() + L" --poll 1 -", xml);
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 2u);
    for (size_t i = 1; i + 2 < lines.size(); ++i) {
        EXPECT_NE(lines[i], lines[i - 1]);
    }
}

}  // namespace
