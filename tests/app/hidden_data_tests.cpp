// The identity block: its format, and the stamp tool writing it into real
// executables that then read their identity back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/hidden_data.h"
#include "common/text_conversion.h"
#include "tests/support/test_support.h"

namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

TEST(HiddenData, BlockFormatTable) {
    const std::vector<uint8_t> block = MakeHiddenBlock("<x/>");
    // The marker itself never appears in clear.
    const std::string stored(block.begin(), block.end());
    EXPECT_EQ(stored.find("ZANVO_START"), std::string::npos);
    EXPECT_EQ(block.size(), 40u + 4u + 4u);

    struct Case {
        const char* name;
        std::vector<uint8_t> table;
        std::optional<std::string> payload;
    };
    std::vector<uint8_t> surrounded = Bytes("signature bytes");
    surrounded.insert(surrounded.end(), block.begin(), block.end());
    surrounded.insert(surrounded.end(), {0, 0, 0, 0});
    std::vector<uint8_t> cut(block.begin(), block.end() - 1);
    std::vector<uint8_t> markerOnly(block.begin(), block.begin() + 42);
    std::vector<uint8_t> clearMarker = Bytes(std::string(kHiddenDataMarker) + std::string("\x04\0\0\0<x/>", 8));
    const Case cases[] = {
        {"block_alone", block, std::string("<x/>")},
        {"after_a_signature_with_padding", surrounded, std::string("<x/>")},
        {"payload_cut_short", cut, std::nullopt},
        {"length_field_cut_short", markerOnly, std::nullopt},
        {"unscrambled_marker_is_not_a_block", clearMarker, std::nullopt},
        {"empty_table", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HiddenPayloadOf(c.table), c.payload) << c.name;
    }
}

TEST(HiddenData, IdentityPayload) {
    const HiddenIdentity identity{"2041", "777001", "Spring \xc3\xa9dition", true};
    const std::optional<HiddenIdentity> back = ParseHiddenIdentity(HiddenIdentityPayload(identity));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->buildId, "2041");
    EXPECT_EQ(back->channelId, "777001");
    EXPECT_EQ(back->buildName, "Spring \xc3\xa9dition");
    EXPECT_TRUE(back->overwrite);
    const std::optional<HiddenIdentity> capitals =
        ParseHiddenIdentity("<any><overwrite>TRUE</overwrite><build_id>5</build_id></any>");
    ASSERT_TRUE(capitals.has_value());
    EXPECT_TRUE(capitals->overwrite);
    EXPECT_EQ(capitals->channelId, "");
    EXPECT_FALSE(ParseHiddenIdentity("not xml <").has_value());
}

TEST(HiddenData, PlainFilesHaveNone) {
    TempDir dir;
    WriteFileBytes(dir / L"short.exe", "MZ");
    EXPECT_FALSE(ReadHiddenData(dir / L"short.exe").has_value());
    EXPECT_FALSE(ReadHiddenData(dir / L"missing.exe").has_value());
    EXPECT_FALSE(ReadHiddenData(ProgramPath()).has_value());  // an unstamped image
}

std::wstring StampTool() { return L"\"" + ProgramFolder() + L"\\stamp.exe\""; }

ProcessOutput Stamp(const std::wstring& arguments) { return RunProcess(StampTool() + L" " + arguments); }

// Runs inside a stamped copy of this program (below).
TEST(HiddenDataChild, ReadsItsOwnIdentity) {
    const char* expected = std::getenv("ZANVO_TEST_EXPECT_BUILD_ID");
    if (expected == nullptr) {
        GTEST_SKIP() << "only inside the stamped copy";
    }
    const std::optional<std::string> payload = ReadHiddenData(ProgramPath());
    ASSERT_TRUE(payload.has_value());
    EXPECT_EQ(ParseHiddenIdentity(*payload)->buildId, expected);
}

TEST(HiddenData, StampedCopyReadsItsIdentityAndRestampingReplaces) {
    TempDir dir;
    const std::wstring copy = dir / L"installer copy.exe";
    ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));
    const size_t unstamped = ReadFileBytes(copy).size();

    ASSERT_EQ(Stamp(L"--build-id 7 --channel-id 42 --build-name \"First Build\" \"" + copy + L"\"").exitCode, 0);
    const size_t once = ReadFileBytes(copy).size();
    EXPECT_GT(once, unstamped);
    std::optional<std::string> payload = ReadHiddenData(copy);
    ASSERT_TRUE(payload.has_value());
    EXPECT_EQ(ParseHiddenIdentity(*payload)->buildName, "First Build");

    ASSERT_EQ(Stamp(L"--build-id 8 --channel-id 43 --build-name \"Other Build\" --overwrite \"" + copy + L"\"").exitCode,
              0);
    EXPECT_EQ(ReadFileBytes(copy).size(), once);  // the earlier block was replaced, not added to
    payload = ReadHiddenData(copy);
    ASSERT_TRUE(payload.has_value());
    const HiddenIdentity identity = *ParseHiddenIdentity(*payload);
    EXPECT_EQ(identity.buildId, "8");
    EXPECT_EQ(identity.channelId, "43");
    EXPECT_TRUE(identity.overwrite);

    SetEnvironmentVariableW(L"ZANVO_TEST_EXPECT_BUILD_ID", L"8");
    const ProcessOutput child = RunProcess(L"\"" + copy + L"\" --gtest_filter=HiddenDataChild.*");
    SetEnvironmentVariableW(L"ZANVO_TEST_EXPECT_BUILD_ID", nullptr);
    EXPECT_EQ(child.exitCode, 0) << child.out;
    EXPECT_NE(child.out.find("[  PASSED  ] 1 test"), std::string::npos) << child.out;
}

TEST(HiddenData, StampRefusesWhatItCannotStamp) {
    TempDir dir;
    WriteFileBytes(dir / L"text.exe", "just text, not an image");
    EXPECT_EQ(Stamp(L"--build-id 1 \"" + (dir / L"text.exe") + L"\"").exitCode, 1);
    EXPECT_EQ(Stamp(L"--build-id").exitCode, 2);
    EXPECT_EQ(Stamp(L"").exitCode, 2);
}

}  // namespace
