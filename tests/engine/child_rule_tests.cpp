// The per-name rules that delete and unpack read from their children.
#include <gtest/gtest.h>

#include "files/child_rule.h"
#include "tests/support/test_support.h"

namespace {

TEST(ChildRule, FirstMatchingChildIgnoringCase) {
    CXMLProcessor processor;
    auto log = AddProbe(processor);
    struct Case {
        const char* name;
        const wchar_t* key;
        const wchar_t* value;
        ChildRule expected;
    };
    const Case cases[] = {
        {"skip_rule", L"name", L"uid", {true, L"", false, true}},
        {"first_of_two_wins", L"name", L"Twice", {true, L"", false, false}},
        {"unpack_rule", L"src", L"BIN/A.DLL", {true, L"C:\\x", true, false}},
        {"empty_value_never_matches", L"name", L"", {false, L"", false, false}},
        {"absent", L"name", L"other", {false, L"", false, false}},
    };
    std::vector<ChildRule> rules[std::size(cases)];
    log->hook = [&](CTagHandler& h) {
        for (size_t i = 0; i < std::size(cases); ++i) {
            rules[i].push_back(FindChildRule(h, cases[i].key, cases[i].value));
        }
    };
    const std::string xml =
        "<install><probe><probe name=''/><probe name='UID' skip='TRUE'/><probe name='twice'/>"
        "<probe name='twice' skip='true'/><probe src='bin/a.dll' dst='C:\\x' overwrite='Never'/></probe></install>";
    processor.ParseAndRun(xml.data(), xml.size());
    for (size_t i = 0; i < std::size(cases); ++i) {
        ASSERT_FALSE(rules[i].empty()) << cases[i].name;
        const ChildRule& got = rules[i].front();  // the outer probe runs first
        EXPECT_EQ(got.found, cases[i].expected.found) << cases[i].name;
        EXPECT_EQ(got.dst, cases[i].expected.dst) << cases[i].name;
        EXPECT_EQ(got.never, cases[i].expected.never) << cases[i].name;
        EXPECT_EQ(got.skip, cases[i].expected.skip) << cases[i].name;
    }
}

}  // namespace
