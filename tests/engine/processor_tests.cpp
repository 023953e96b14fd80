// The processor: loading, walking, dispatch, execution, faults and aborts.
#include <windows.h>

#include <gtest/gtest.h>

#include <future>

#include "common/result_codes.h"
#include "engine/status_line.h"
#include "tests/support/test_support.h"

namespace {

using Ran = std::vector<std::wstring>;

struct DocumentCase {
    const char* name;
    std::string xml;
    int32_t result;
    Ran ran;
};

class DocumentShape : public testing::TestWithParam<DocumentCase> {};

TEST_P(DocumentShape, RunsWhatTheDocumentSays) {
    const DocumentCase& c = GetParam();
    const ScriptRun run = RunXml(c.xml);
    EXPECT_EQ(run.result, c.result) << c.name;
    EXPECT_EQ(run.ran, c.ran) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Processor, DocumentShape,
    testing::Values(
        DocumentCase{"lower_case", "<install><package><probe id='a'/><probe id='b'/></package></install>", 0,
                     {L"a", L"b"}},
        DocumentCase{"upper_and_mixed_case",
                     "<INSTALL><Package><PROBE id='a'/><Probe id='b'/></Package></INSTALL>", 0, {L"a", L"b"}},
        DocumentCase{"root_not_install", "<setup><package><probe id='a'/></package></setup>", 0, {}},
        DocumentCase{"params_then_install",
                     "<params><X>1</X></params><install><package><probe id='%X%'/></package></install>", 0,
                     {L"1"}},
        DocumentCase{"params_after_packages",
                     "<install><package><probe id='%X%'/></package><params><X>late</X></params></install>", 0,
                     {L"late"}},
        DocumentCase{"unregistered_element_hides_its_subtree",
                     "<install><unknown><package><probe id='a'/></package></unknown>"
                     "<package><probe id='b'/></package></install>",
                     0, {L"b"}},
        DocumentCase{"two_elements_get_two_handlers",
                     "<install><package><probe id='a'/><probe id='b'/><probe id='c'/></package></install>", 0,
                     {L"a", L"b", L"c"}},
        DocumentCase{"reboot_then_global_failure",
                     "<install><package><probe id='a' code='-6'/></package>"
                     "<package errorscope='global'><probe id='b' code='5'/></package>"
                     "<package><probe id='c'/></package></install>",
                     RESULT_REBOOT_PENDING, {L"a", L"b"}},
        DocumentCase{"dependency_executed_on_its_own",
                     "<install><package><probe id='a'/><dependency>x</dependency><probe id='b'/></package></install>",
                     RESULT_UNKNOWN_EXCEPTION, {L"a"}},
        DocumentCase{"params_inside_a_package_is_not_executed",
                     "<install><package><params><Y>2</Y></params><probe id='%Y%'/></package></install>", 0,
                     {L"2"}},
        DocumentCase{"nested_install_is_ignored",
                     "<install><package><install><probe id='inner'/></install><probe id='a'/></package></install>",
                     0, {L"a"}},
        DocumentCase{"entities_are_decoded", "<install><probe id='a&amp;b&lt;'/></install>", 0, {L"a&b<"}},
        DocumentCase{"utf8_values_are_decoded", "<install><probe id='\xc3\xa4\xe2\x82\xac'/></install>", 0,
                     {L"\u00e4\u20ac"}},
        DocumentCase{"values_have_no_length_limit",
                     "<params><L>" + std::string(5000, 'x') + "</L></params><install><probe id='%L%'/></install>",
                     0, {std::wstring(5000, L'x')}}),
    [](const testing::TestParamInfo<DocumentCase>& info) { return std::string(info.param.name); });

TEST(Processor, UnregisteredSubtreeIsCountedSoProgressStaysBelowFull) {
    const ScriptRun run = RunXml("<install><unknown><package/></unknown><package/></install>");
    const StatusFields fields = ParseStatusLine(run.statusLine);
    // install and both packages are counted; the hidden package never runs.
    EXPECT_EQ(GetStatusField(fields, L"progress1"), L"666");
}

TEST(Processor, LaterAttributeDifferingInCaseOverwritesValueKeepsFirstName) {
    const ScriptRun run = RunXml("<install><probe SRC='a' src='b'/></install>");
    EXPECT_EQ(run.currentText, L"<PROBE SRC=\"b\"></PROBE>");
}

TEST(Processor, ElementTextIsTakenOnlyWhenItComesFirst) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    std::vector<std::wstring> texts;
    log->hook = [&](CTagHandler& h) { texts.push_back(ToWide(h.text)); };
    const std::string xml = "<install><probe>hello</probe><probe><x/>late</probe></install>";
    processor.ParseAndRun(xml.data(), xml.size());
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"hello", L""}));
}

TEST(Processor, EmptyPathReturnsTwoAndLeavesResultZero) {
    CXMLProcessor processor;
    EXPECT_EQ(processor.LoadFileAndRun(L""), 2);
    EXPECT_EQ(processor.Result(), 0);
}

struct LoadCase {
    const char* name;
    std::string bytes;
    int32_t result;
    const wchar_t* progress1;
};

TEST(Processor, LoadOutcomes) {
    const LoadCase cases[] = {
        {"zero_bytes", "", 0, L"0"},  // the root runs with no children and nothing counted
        {"only_white_space", "  \r\n\t ", 13, L"0"},  // tinyxml2's XML_ERROR_EMPTY_DOCUMENT
        {"not_well_formed", "<install><package></install>", 14, L"0"},  // XML_ERROR_MISMATCHED_ELEMENT
        {"byte_order_mark_and_declaration", "\xEF\xBB\xBF<?xml version=\"1.0\"?><install/>", 0, L"1000"},
    };
    TempDir dir;
    for (const LoadCase& c : cases) {
        const std::wstring path = dir / L"script.xml";
        WriteFileBytes(path, c.bytes);
        CXMLProcessor processor;
        EXPECT_EQ(processor.LoadFileAndRun(path), c.result) << c.name;
        const StatusFields fields = ParseStatusLine(processor.GetStatusLine());
        EXPECT_EQ(GetStatusField(fields, L"status"), L"stop") << c.name;
        EXPECT_EQ(GetStatusField(fields, L"progress1"), c.progress1) << c.name;
        EXPECT_EQ(fields.count(L"error") != 0, c.result != 0) << c.name;
    }
}

TEST(Processor, MissingFileIsReaderErrorThree) {
    TempDir dir;
    CXMLProcessor processor;
    EXPECT_EQ(processor.LoadFileAndRun(dir / L"absent.xml"), 3);
    EXPECT_NE(processor.GetStatusLine().find(L"; error: "), std::wstring::npos);
}

TEST(Processor, LoadsAScriptWhosePathIsOutsideTheAnsiCodePage) {
    TempDir dir(L"\u0416\u4e2d\u00e9");
    const std::wstring path = dir / L"\u0441\u043a\u0440\u0438\u043f\u0442.xml";
    WriteFileBytes(path, "<install><package name='p'><checkexist path='" + std::string("C:\\") + "'/></package></install>");
    CXMLProcessor processor;
    EXPECT_EQ(processor.LoadFileAndRun(path), 0);
    EXPECT_EQ(processor.GetCurrentHandlerText(), L"<CHECKEXIST path=\"C:\\\"></CHECKEXIST>");
}

TEST(Processor, AbortEndsRunWithResultZeroAndNoError) {
    const ScriptRun run = RunXml(
        "<install><package><probe id='a' abort='1'/><probe id='b'/></package><package><probe id='c'/></package>"
        "</install>");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.ran, (std::vector<std::wstring>{L"a"}));
    const StatusFields fields = ParseStatusLine(run.statusLine);
    EXPECT_EQ(GetStatusField(fields, L"status"), L"stop");
    EXPECT_EQ(fields.count(L"error"), 0u);
}

TEST(Processor, AbortRequestedFromAnotherThreadStopsAtTheNextCheck) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE aborted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    log->hook = [&](CTagHandler& h) {
        if (h.GetAttribute(L"id") == L"long") {
            SetEvent(started);
            WaitForSingleObject(aborted, 10000);
        }
    };
    const std::string xml = "<install><package><probe id='long'/><probe id='after'/></package></install>";
    auto run = std::async(std::launch::async, [&] { return processor.ParseAndRun(xml.data(), xml.size()); });
    ASSERT_EQ(WaitForSingleObject(started, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(processor.IsRunning());
    processor.RequestAbort();
    SetEvent(aborted);
    EXPECT_EQ(run.get(), 0);
    EXPECT_FALSE(processor.IsRunning());
    EXPECT_EQ(log->ran, (std::vector<std::wstring>{L"long"}));
    CloseHandle(started);
    CloseHandle(aborted);
}

class FaultInsideATag : public testing::TestWithParam<const char*> {};

TEST_P(FaultInsideATag, EndsTheRunWithMinusFiveAndReleasesLocks) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    const std::string xml = std::string("<install><package><probe id='f' fault='") + GetParam() +
                            "'/><probe id='after'/></package></install>";
    EXPECT_EQ(processor.ParseAndRun(xml.data(), xml.size()), RESULT_UNKNOWN_EXCEPTION);
    EXPECT_EQ(log->ran, (std::vector<std::wstring>{L"f"}));
    // Another thread (the screen) must be able to take both locks.
    auto locks = std::async(std::launch::async, [&] {
        const bool action = processor.Progress()->action.Lock().try_lock();
        if (action) {
            processor.Progress()->action.Lock().unlock();
        }
        const bool main = processor.Progress()->mainLock.try_lock();
        if (main) {
            processor.Progress()->mainLock.unlock();
        }
        return action && main;
    });
    EXPECT_TRUE(locks.get());
    EXPECT_NE(processor.GetStatusLine().find(L"; error: unknown exception"), std::wstring::npos);
}

INSTANTIATE_TEST_SUITE_P(Processor, FaultInsideATag, testing::Values("1", "library"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param[0] == '1' ? "own_code" : "c_library");
                         });

TEST(Processor, CurrentHandlerTextIsSafeWhileTheWorkerExpands) {
    // Many handlers with long expanded attributes while another thread keeps
    // reading the current handler's text.
    std::string xml = "<params><V>" + std::string(300, 'v') + "</V></params><install><package>";
    for (int i = 0; i < 3000; ++i) {
        xml += "<probe a='%V%' b='%V%%V%' c='%V%'/>";
    }
    xml += "</package></install>";
    CXMLProcessor processor;
    AddProbe(processor);
    std::atomic<bool> done{false};
    auto reader = std::async(std::launch::async, [&] {
        size_t reads = 0;
        while (!done) {
            const std::wstring text = processor.GetCurrentHandlerText();
            EXPECT_TRUE(text == L"<empty>" || text.front() == L'<');
            ++reads;
        }
        return reads;
    });
    EXPECT_EQ(processor.ParseAndRun(xml.data(), xml.size()), 0);
    done = true;
    EXPECT_GT(reader.get(), 0u);
}

TEST(Processor, CurrentHandlerTextBeforeAndAfterARun) {
    CXMLProcessor processor;
    EXPECT_EQ(processor.GetCurrentHandlerText(), L"<empty>");
    const std::string xml = "<install><package name='p'><checkexist/></package></install>";
    processor.ParseAndRun(xml.data(), xml.size());
    // The last handler started; the missing path it asked for shows empty.
    EXPECT_EQ(processor.GetCurrentHandlerText(), L"<CHECKEXIST path=\"\"></CHECKEXIST>");
}

}  // namespace

namespace {

TEST(Processor, TheScriptFileIsClosedWhileItRuns) {
    TempDir dir;
    const std::wstring path = dir / L"self.xml";
    WriteFileBytes(path, "<install><probe id='p'/></install>");
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    bool deleted = false;
    // The install document deletes itself in its last package.
    log->hook = [&](CTagHandler&) { deleted = DeleteFileW(path.c_str()) != FALSE; };
    EXPECT_EQ(processor.LoadFileAndRun(path), 0);
    EXPECT_TRUE(deleted);
}

}  // namespace
