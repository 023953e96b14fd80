// Variables: expansion, the global record, "/env" and the attempt counters.
#include <windows.h>

#include <gtest/gtest.h>

#include "engine/global_params.h"
#include "engine/run_values.h"
#include "tests/support/test_support.h"

namespace {

TEST(ExpandVariables, Table) {
    struct Case {
        const wchar_t* text;
        const wchar_t* expanded;
    };
    const Case cases[] = {
        {L"%A%\\%B%", L"x\\y"},
        {L"%A%%B%", L"xy"},
        {L"%C%", L"%C%"},
        {L"100%", L"100%"},
        {L"%%", L"%%"},
        {L"%a%", L"x"},
        {L"%D%", L"%A%"},          // an inserted value is not scanned again
        {L"%C%%A%", L"%C%x"},      // after an unknown name the scan goes on after its closing mark
        {L"50% of %A%", L"50% of %A%"},  // "% of " is looked up as a name and not found
        {L"%A", L"%A"},
        {L"", L""},
        {L"%LONG%!", nullptr},
    };
    const std::wstring longValue(3000, L'z');
    CParamsHandler holder;
    holder.attributes = {{L"A", L"x"}, {L"B", L"y"}, {L"D", L"%A%"}, {L"LONG", ToCi(longValue)}};
    for (const Case& c : cases) {
        CiString text = c.text;
        ExpandVariables(text, holder);
        const std::wstring expected = c.expanded ? std::wstring(c.expanded) : longValue + L"!";
        EXPECT_EQ(ToWide(text), expected) << std::string(c.text, c.text + wcslen(c.text));
    }
}

TEST(GlobalParams, EnvironmentNamesIgnoreCase) {
    const CiString path = GetGlobalParam(L"PATH");
    ASSERT_FALSE(path.empty());
    CParamsHandler holder;
    CiString text = L"[%path%]";
    ExpandVariables(text, holder);
    EXPECT_EQ(text, L"[" + path + L"]");
}

TEST(GlobalParams, SpecialFoldersAreRead) {
    for (const wchar_t* folder : kHandedOverFolders) {
        EXPECT_FALSE(GetGlobalParam(folder).empty()) << std::string(folder, folder + wcslen(folder));
    }
}

TEST(GlobalParams, EnvironmentBlock) {
    const wchar_t block[] = L"=C:=C:\\dir\0A=1=2\0Path=x\0B=\0NOEQUALS\0AFTER=lost\0";
    AttributeMap variables;
    ReadEnvironmentBlock(block, variables);
    EXPECT_EQ(variables.size(), 3u);
    EXPECT_EQ(variables[L"A"], L"1=2");
    EXPECT_EQ(variables[L"PATH"], L"x");
    EXPECT_EQ(variables[L"B"], L"");
    EXPECT_EQ(variables.count(L"AFTER"), 0u);
}

TEST(GlobalParams, EnvHandOverTable) {
    struct Case {
        const char* name;
        std::wstring commandLine;
        std::vector<std::pair<std::wstring, std::wstring>> expected;
    };
    const Case cases[] = {
        {"four_pairs_and_user", L"setup.exe \"/env A=1\nB=C:\\x y\nZANVO_USER_NAME=bob\"",
         {{L"A", L"1"}, {L"B", L"C:\\x y"}, {L"ZANVO_USER_NAME", L"bob"}}},
        {"upper_case_switch", L"setup.exe \"/ENV A=1\nB=2\"", {{L"A", L"1"}, {L"B", L"2"}}},
        {"no_switch", L"setup.exe /noask", {}},
        {"switch_needs_its_blank", L"setup.exe /envA=1", {}},
        {"empty_name_stops", L"x \"/env =1\nB=2\"", {}},
        {"name_ended_by_quote_stops", L"x \"/env A\" B=2", {}},
        {"line_feed_belongs_to_a_name", L"x \"/env A\nB=2\"", {{L"A\nB", L"2"}}},
        {"unquoted_to_end", L"x /env A=1", {{L"A", L"1"}}},
        {"empty_value", L"x \"/env A=\nB=2\"", {{L"A", L""}, {L"B", L"2"}}},
        {"value_may_hold_equals", L"x \"/env A=k=v\"", {{L"A", L"k=v"}}},
        {"line_feed_then_end", L"x /env A=1\n", {{L"A", L"1"}}},
        {"line_feed_then_quote", L"x \"/env A=1\n\" /noask", {{L"A", L"1"}}},
        {"after_closing_quote", L"x \"/env A=1\" B=2", {{L"A", L"1"}, {L" B", L"2"}}},
    };
    for (const Case& c : cases) {
        AttributeMap variables;
        ReadEnvHandOver(c.commandLine, variables);
        EXPECT_EQ(variables.size(), c.expected.size()) << c.name;
        for (const auto& [name, value] : c.expected) {
            EXPECT_EQ(ToWide(variables[ToCi(name)]), value) << c.name;
        }
    }
}

TEST(GlobalParams, EnvArgumentRoundTrips) {
    const std::wstring argument = BuildEnvArgument();
    ASSERT_GE(argument.size(), 8u);
    EXPECT_EQ(argument.substr(0, 24), L"\"/env ALL_USERS_DESKTOP=");
    EXPECT_EQ(argument.back(), L'"');
    EXPECT_EQ(std::count(argument.begin(), argument.end(), L'\n'), 4);
    wchar_t user[513];
    DWORD size = 513;
    GetUserNameW(user, &size);
    EXPECT_NE(argument.find(std::wstring(L"\nZANVO_USER_NAME=") + user + L"\""), std::wstring::npos);

    AttributeMap variables;
    ReadEnvHandOver(L"installer.exe " + argument, variables);
    for (const wchar_t* folder : kHandedOverFolders) {
        EXPECT_EQ(variables[folder], GetGlobalParam(folder));
    }
    EXPECT_EQ(variables[L"ZANVO_USER_NAME"], CiString(user));
}

// Runs in a copy of this program started with an "/env" argument (below).
TEST(GlobalParamsChild, HandedOverValuesWin) {
    if (GetEnvironmentVariableW(L"ZANVO_TEST_ENV_CHILD", nullptr, 0) == 0) {
        GTEST_SKIP() << "only inside the copy started by HandOverReachesAStartedCopy";
    }
    EXPECT_EQ(GetGlobalParam(L"USER_DESKTOP"), L"C:\\handed\\desktop");
    EXPECT_EQ(GetGlobalParam(L"FROM_ENVIRONMENT"), L"overridden");
    EXPECT_FALSE(GetGlobalParam(L"ALL_USERS_DESKTOP").empty());
    EXPECT_EQ(GetGlobalParams().userSid.substr(0, 4), L"S-1-");
}

TEST(GlobalParams, HandOverReachesAStartedCopy) {
    wchar_t user[513];
    DWORD size = 513;
    GetUserNameW(user, &size);
    SetEnvironmentVariableW(L"ZANVO_TEST_ENV_CHILD", L"1");
    SetEnvironmentVariableW(L"FROM_ENVIRONMENT", L"original");
    const std::wstring commandLine = L"\"" + ProgramPath() +
                                     L"\" --gtest_filter=GlobalParamsChild.* \"/env USER_DESKTOP=C:\\handed\\desktop\n"
                                     L"FROM_ENVIRONMENT=overridden\nZANVO_USER_NAME=" +
                                     user + L"\"";
    const ProcessOutput child = RunProcess(commandLine);
    SetEnvironmentVariableW(L"ZANVO_TEST_ENV_CHILD", nullptr);
    EXPECT_EQ(child.exitCode, 0) << child.out;
    EXPECT_NE(child.out.find("[  PASSED  ] 1 test"), std::string::npos) << child.out;
}

TEST(GlobalParams, UnknownUserLeavesSidEmpty) {
    // This process was started without ZANVO_USER_NAME.
    EXPECT_TRUE(GetGlobalParams().userSid.empty());
}

TEST(ParamsTag, DefinitionsExpandWithWhatIsKnownSoFar) {
    const ScriptRun run = RunXml(
        "<install><params><X1>%INST_PATH%\\early</X1><INST_PATH>C:\\dest</INST_PATH><X2>%INST_PATH%\\sub</X2>"
        "<EMPTY>kept</EMPTY><EMPTY/><EMPTY></EMPTY><DEEP>ok<child>no</child></DEEP></params>"
        "<probe id='%X1%|%X2%|%EMPTY%|%inst_path%|%DEEP%|%CHILD%'/></install>");
    ASSERT_EQ(run.ran.size(), 1u);
    EXPECT_EQ(run.ran[0], L"%INST_PATH%\\early|C:\\dest\\sub|kept|C:\\dest|ok|%CHILD%");
}

TEST(ParamsTag, ElementAndAttributeNamesAreNotExpanded) {
    const ScriptRun run = RunXml("<install><params><N>id</N></params><probe id='v' name='%N%'/></install>");
    EXPECT_EQ(run.currentText, L"<PROBE id=\"v\" name=\"id\"></PROBE>");
}

TEST(AttemptCounters, SelectorsTable) {
    struct Case {
        const wchar_t* selector;
        int index;  // -1: nothing stored
    };
    const Case cases[] = {{L"xx", 0}, {L"XX", 0}, {L"main_xx_zip", 0}, {L"yy", 1}, {L"YY", 1}, {L"zz", 2},
                          {L"rr", 3}, {L"RR", 3}, {L"Xy", -1}, {L"xX", -1}, {L"", -1}, {L"xxyy", 0}};
    for (const Case& c : cases) {
        for (auto& counter : AttemptCounters()) {
            counter = 0;
        }
        StoreAttemptCount(c.selector, 3);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(AttemptCounters()[i].load(), i == c.index ? 3 : 0)
                << std::string(c.selector, c.selector + wcslen(c.selector)) << " counter " << i;
        }
    }
}

TEST(RunValues, StartTimeIsTakenOnce) {
    const std::tm& first = StartTime();
    Sleep(1100);
    const std::tm& second = StartTime();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.tm_sec, second.tm_sec);
    EXPECT_GE(first.tm_year, 120);
}

}  // namespace
