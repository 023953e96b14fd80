// The progress record, action descriptions and the status line both ways.
#include <gtest/gtest.h>

#include "common/result_codes.h"
#include "engine/status_line.h"
#include "tests/support/test_support.h"

namespace {

TEST(DescribeAction, KindsTable) {
    struct Case {
        int kind;
        const wchar_t* action;
        const wchar_t* phase;
    };
    const Case cases[] = {
        {0, L"Copy a to b", L"Installing..."},        {1, L"Move a to b", L"Installing..."},
        {2, L"Delete a", L"Installing..."},           {3, L"Connect to a", L"Downloading..."},
        {4, L"Download a", L"Downloading..."},        {5, L"Extract a to b", L"Installing..."},
        {6, L"Terminate process a", L"Installing..."}, {7, L"Launch a b", L"Installing..."},
        {8, L"Create reg entry a = b", L"Installing..."}, {9, L"Create link a for b", L"Installing..."},
        {10, L"Create dir a", L"Installing..."},      {11, L"undefined action...", L"Installing..."},
        {12, L"undefined action...", L"Installing..."}, {-1, L"undefined action...", L"Installing..."},
    };
    for (const Case& c : cases) {
        std::atomic<int32_t> abortState{0};
        ProgressLevel level(abortState);
        level.Describe(c.kind, {L"a", L"b"});
        EXPECT_EQ(ToWide(level.ActionText()), c.action) << "kind " << c.kind;
        EXPECT_EQ(ToWide(level.PhaseText()), c.phase) << "kind " << c.kind;
    }
}

TEST(DescribeAction, TextsAreNotFormatDirectivesAndLongTextsAreCut) {
    EXPECT_EQ(DescribeAction(ACTION_DOWNLOAD, {L"100%s%d.zip"}), L"Download 100%s%d.zip");
    EXPECT_EQ(DescribeAction(ACTION_COPY, {L"only"}), L"Copy only to ");
    EXPECT_EQ(DescribeAction(ACTION_DELETE, {std::wstring(5000, L'x')}).size(), 1023u);
}

TEST(ProgressLevel, ResetKeepsThePhase) {
    std::atomic<int32_t> abortState{0};
    ProgressLevel level(abortState);
    level.Describe(ACTION_DOWNLOAD, {L"main.zip"});
    level.SetTotal(10);
    level.AddDone(4);
    level.SetCode(7);
    level.SetState(1);
    level.SetItemName(L"http://x/");
    level.SetTargetPath(L"C:\\t");
    level.Reset();
    EXPECT_EQ(level.ActionText(), L"");
    EXPECT_EQ(level.PhaseText(), L"Downloading...");
    EXPECT_EQ(level.Total(), 0);
    EXPECT_EQ(level.Done(), 0);
    EXPECT_EQ(level.Code(), 0);
    EXPECT_EQ(level.State(), 0);
    EXPECT_EQ(level.ItemName(), L"");
    EXPECT_EQ(level.GetTargetPath(), L"");
}

TEST(ProgressLevel, SetTotalAndAddDoneRaiseTheAbortOnceAddTotalNever) {
    std::atomic<int32_t> abortState{2};
    ProgressLevel level(abortState);
    level.AddTotal(5);
    EXPECT_EQ(abortState.load(), 2);
    EXPECT_THROW(level.AddDone(1), int);
    EXPECT_EQ(abortState.load(), 0);
    EXPECT_NO_THROW(level.AddDone(1));
    EXPECT_EQ(level.Done(), 2);  // the amount counts even when the abort is raised
    abortState = 2;
    try {
        level.SetTotal(3);
        ADD_FAILURE() << "SetTotal did not raise the abort";
    } catch (int code) {
        EXPECT_EQ(code, RESULT_ABORTED);
    }
    // The level's lock was released as the exception left.
    EXPECT_TRUE(level.Lock().try_lock());
    level.Lock().unlock();
}

TEST(StatusLine, ComputedFields) {
    CXMLProcessor processor;
    CMainProgress& progress = *processor.Progress();
    progress.counted = 4;
    progress.processed = 3;
    progress.action.Describe(ACTION_DOWNLOAD, {L"main_zanvo.zip"});
    progress.action.SetTotal(3);
    progress.action.AddDone(1);
    EXPECT_EQ(processor.GetStatusLine(),
              L"action:Download main_zanvo.zip; name:Downloading...; progress1:750; progress2:333; status:stop");
}

TEST(StatusLine, PolledWhileRunningBeforeAnyDescription) {
    std::wstring seen;
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    log->hook = [&](CTagHandler&) { seen = processor.GetStatusLine(); };
    const std::string xml = "<install><probe/></install>";
    processor.ParseAndRun(xml.data(), xml.size());
    EXPECT_EQ(seen, L"action:; name:; progress1:0; progress2:0; status:work");
}

TEST(StatusLine, EndOfRunTable) {
    struct Case {
        const char* name;
        const char* xml;
        std::wstring ending;
    };
    const Case cases[] = {
        {"success", "<install><probe/></install>", L"; status:stop"},
        {"reboot", "<install><probe code='-6'/></install>", L"; status:stop; reboot:true"},
        {"failure", "<install><probe code='5'/></install>", L"; status:stop; error: " + ErrorText(5)},
        {"own_code", "<install><probe code='-16'/></install>", L"; status:stop; error: no Internet connection"},
    };
    for (const Case& c : cases) {
        const ScriptRun run = RunXml(c.xml);
        ASSERT_GE(run.statusLine.size(), c.ending.size()) << c.name;
        EXPECT_EQ(run.statusLine.substr(run.statusLine.size() - c.ending.size()), c.ending) << c.name;
    }
    const ScriptRun broken = RunXml("<install>");
    EXPECT_NE(broken.result, 0);
    EXPECT_EQ(broken.statusLine, L"action:; name:; progress1:0; progress2:0; status:stop; error: " +
                                     ErrorText(broken.result));
    EXPECT_EQ(RunXml("<install><probe/></install>").statusLine,
              L"action:; name:; progress1:1000; progress2:0; status:stop");
}

TEST(StatusLine, ErrorFieldCarriesTheHexadecimalFallback) {
    // 0x2EFF has no system text: its fallback goes in as it is.
    const ScriptRun run = RunXml("<install><probe code='12031'/></install>");
    const StatusFields fields = ParseStatusLine(run.statusLine);
    EXPECT_EQ(GetStatusField(fields, L"error"), L"error code: 2EFF");
}

TEST(StatusLine, LongActionTextIsCutInTheLine) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    std::wstring seen;
    log->hook = [&](CTagHandler& h) {
        // Three descriptions' worth: the action text alone is cut at 1023.
        h.progress->action.Describe(ACTION_COPY, {std::wstring(3000, L'a'), std::wstring(3000, L'b')});
        seen = processor.GetStatusLine();
    };
    const std::string xml = "<install><probe/></install>";
    processor.ParseAndRun(xml.data(), xml.size());
    EXPECT_EQ(seen.size(), std::wstring(L"action:").size() + 1023 + std::wstring(L"; name:Installing...; progress1:0; progress2:0; status:work").size());
}

TEST(StatusLine, ParseTable) {
    struct Case {
        const char* name;
        std::wstring line;
        StatusFields expected;
    };
    const Case cases[] = {
        {"full_line",
         L"action:Copy C:\\a to D:\\b; name:Installing...; progress1:10; progress2:0; status:stop; error: Access denied.",
         {{L"action", L"Copy C:\\a to D:\\b"},
          {L"name", L"Installing..."},
          {L"progress1", L"10"},
          {L"progress2", L"0"},
          {L"status", L"stop"},
          {L"error", L"Access denied."}}},
        {"first_key_wins", L"a:1; a:2", {{L"a", L"1"}}},
        {"field_without_colon_skipped", L"junk; b:2", {{L"b", L"2"}}},
        {"empty_key_skipped", L" :x; c:3", {{L"c", L"3"}}},
        {"blanks_only_dropped", L"  k  :  v w  ;\tt:1", {{L"k", L"v w"}, {L"\tt", L"1"}}},
        {"empty_value", L"action:; name:", {{L"action", L""}, {L"name", L""}}},
        {"empty_line", L"", {}},
        {"keys_keep_case", L"Status:x; status:y", {{L"Status", L"x"}, {L"status", L"y"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseStatusLine(c.line), c.expected) << c.name;
    }
    EXPECT_EQ(GetStatusField(ParseStatusLine(L"a:1"), L"b"), L"");
}

TEST(StatusLine, PhaseOfADownloadStaysAfterAnActionThatOnlyResets) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    std::wstring second;
    log->hook = [&](CTagHandler& h) {
        if (h.GetAttribute(L"id") == L"download") {
            h.progress->action.Describe(ACTION_DOWNLOAD, {L"x.zip"});
        } else {
            second = processor.GetStatusLine();
        }
    };
    const std::string xml = "<install><probe id='download'/><probe id='next'/></install>";
    processor.ParseAndRun(xml.data(), xml.size());
    EXPECT_EQ(GetStatusField(ParseStatusLine(second), L"name"), L"Downloading...");
    EXPECT_EQ(GetStatusField(ParseStatusLine(second), L"action"), L"");
}

}  // namespace
