// Flow tags and the errorscope rules of their loops.
#include <gtest/gtest.h>

#include "common/result_codes.h"
#include "tests/support/test_support.h"

namespace {

struct FlowCase {
    const char* name;
    std::string body;  // inside <install errorscope='global'>
    int32_t result;
    std::vector<std::wstring> ran;
};

class FlowTags : public testing::TestWithParam<FlowCase> {};

TEST_P(FlowTags, ResultAndWhatRan) {
    const FlowCase& c = GetParam();
    const ScriptRun run = RunXml("<install errorscope='global'>" + c.body + "</install>");
    EXPECT_EQ(run.result, c.result) << c.name;
    EXPECT_EQ(run.ran, c.ran) << c.name;
}

std::string ExistingPath() { return "C:\\windows"; }

INSTANTIATE_TEST_SUITE_P(
    Engine, FlowTags,
    testing::Values(
        // The generic container loop (packagegroup, 0, 1).
        FlowCase{"children_0_reboot_5_0",
                 "<package><packagegroup><probe id='a'/><probe id='b' code='-6'/><probe id='c' code='5'/>"
                 "<probe id='d'/></packagegroup></package>",
                 RESULT_REBOOT_PENDING, {L"a", L"b", L"c"}},
        FlowCase{"ignore_in_upper_case",
                 "<packagegroup><probe id='a' code='5' errorscope='IGNORE'/><probe id='b'/></packagegroup>", 0,
                 {L"a", L"b"}},
        FlowCase{"group_reboot_then_failure_stops_group",
                 "<packagegroup><package><probe id='1'/></package><package><probe id='2' code='-6'/></package>"
                 "<package><probe id='3' code='7'/></package><package><probe id='4'/></package></packagegroup>",
                 RESULT_REBOOT_PENDING, {L"1", L"2", L"3"}},
        // The install loop.
        FlowCase{"failed_package_scope_package_is_skipped",
                 "<package errorscope='package'><probe id='p1' code='5'/></package><package><probe id='p2'/></package>",
                 0, {L"p1", L"p2"}},
        FlowCase{"failed_package_scope_global_stops",
                 "<package errorscope='global'><probe id='p1' code='5'/></package><package><probe id='p2'/></package>",
                 5, {L"p1"}},
        FlowCase{"failed_package_without_scope_stops",
                 "<package><probe id='p1' code='5'/></package><package><probe id='p2'/></package>", 5, {L"p1"}},
        FlowCase{"failed_package_scope_ignore_is_skipped",
                 "<package errorscope='Ignore'><probe id='p1' code='5'/></package><package><probe id='p2'/></package>",
                 0, {L"p1", L"p2"}},
        // The package loop: "package" does not let a package go on.
        FlowCase{"action_scope_package_ends_the_package",
                 "<package errorscope='package'><probe id='a' code='9' errorscope='package'/><probe id='b'/></package>"
                 "<package><probe id='c'/></package>",
                 0, {L"a", L"c"}},
        FlowCase{"action_scope_ignore_goes_on",
                 "<package><probe id='a' code='9' errorscope='ignore'/><probe id='b'/></package>", 0, {L"a", L"b"}},
        FlowCase{"action_failure_ends_package_and_run",
                 "<package><probe id='a' code='9'/><probe id='b'/></package><package><probe id='c'/></package>", 9,
                 {L"a"}},
        // Dependencies.
        FlowCase{"dependency_on_skipped_failed_group_fails",
                 "<packagegroup name='ZanvoPrerequest' errorscope='package'><package><probe id='q' code='5'/></package>"
                 "</packagegroup><package name='Main'><dependencies><dependency>ZanvoPrerequest</dependency>"
                 "</dependencies><probe id='m'/></package>",
                 5, {L"q"}},
        FlowCase{"dependency_failure_ignored_by_its_scope",
                 "<packagegroup name='ZanvoPrerequest' errorscope='package'><package><probe id='q' code='5'/></package>"
                 "</packagegroup><package name='Main'><dependencies errorscope='ignore'><dependency>ZanvoPrerequest"
                 "</dependency></dependencies><probe id='m'/></package>",
                 0, {L"q", L"m"}},
        FlowCase{"dependency_matches_without_case",
                 "<package name='Init'><probe id='i'/></package><package><dependencies><dependency>iNIT</dependency>"
                 "</dependencies><probe id='m'/></package>",
                 0, {L"i", L"m"}},
        FlowCase{"dependency_on_missing_package_is_general_error",
                 "<package><dependencies><dependency>nowhere</dependency></dependencies><probe id='m'/></package>",
                 RESULT_GENERAL_ERROR, {}},
        FlowCase{"dependency_on_later_package_is_satisfied",
                 "<package><dependencies><dependency>later</dependency></dependencies><probe id='m'/></package>"
                 "<package name='later'><probe id='l'/></package>",
                 0, {L"m", L"l"}},
        FlowCase{"dependency_on_rebooting_package_is_a_pending_restart",
                 "<package name='r'><probe id='r' code='-6'/></package><package><dependencies><dependency>r"
                 "</dependency></dependencies><probe id='m'/></package>",
                 RESULT_REBOOT_PENDING, {L"r", L"m"}},
        FlowCase{"dependency_text_is_not_expanded",
                 "<params><N>init</N></params><package name='init'><probe id='i'/></package><package>"
                 "<dependencies><dependency>%N%</dependency></dependencies><probe id='m'/></package>",
                 RESULT_GENERAL_ERROR, {L"i"}},
        FlowCase{"empty_dependencies_succeed", "<package><dependencies/><probe id='m'/></package>", 0, {L"m"}},
        // Branches.
        FlowCase{"checkexist_existing_path_runs_branch_1",
                 "<package><checkexist path='" + ExistingPath() + "'><0><probe id='zero'/></0><1><probe id='one'/></1>"
                 "<1><probe id='second_one'/></1></checkexist></package>",
                 0, {L"one"}},
        FlowCase{"checkexist_missing_path_runs_branch_0",
                 "<package><checkexist path='C:\\no\\such\\place'><1><probe id='one'/></1><0><probe id='zero'/></0>"
                 "</checkexist></package>",
                 0, {L"zero"}},
        FlowCase{"checkexist_existing_path_with_only_branch_0",
                 "<package><checkexist path='" + ExistingPath() + "'><0><probe id='zero'/></0></checkexist></package>",
                 0, {}},
        FlowCase{"checkexist_without_path_runs_nothing",
                 "<package><checkexist><0><probe id='zero'/></0><1><probe id='one'/></1></checkexist></package>", 0,
                 {}},
        FlowCase{"checkexist_path_is_expanded",
                 "<params><P>" + ExistingPath() + "</P></params><package><checkexist path='%P%'><1><probe id='one'/>"
                 "</1></checkexist></package>",
                 0, {L"one"}},
        FlowCase{"checkexist_branch_failure_is_its_result",
                 "<package><checkexist path='C:\\nope'><0><probe id='zero' code='4'/></0></checkexist>"
                 "<probe id='after'/></package>",
                 4, {L"zero"}}),
    [](const testing::TestParamInfo<FlowCase>& info) { return std::string(info.param.name); });

TEST(FlowTags, CheckexistWithoutPathListsAnEmptyPathAttribute) {
    const ScriptRun run = RunXml("<install><checkexist/></install>");
    EXPECT_EQ(run.currentText, L"<CHECKEXIST path=\"\"></CHECKEXIST>");
}

}  // namespace
