// Identity sources: the hidden block and its defaults, settings.xml, the UID.
#include <gtest/gtest.h>

#include <regex>

#include "app/installer_identity.h"
#include "common/text_conversion.h"
#include "tests/support/test_support.h"

namespace {

TEST(InstallerIdentity, ApplyIdentityTable) {
    struct Case {
        const char* name;
        const wchar_t* productChannel;
        std::optional<HiddenIdentity> hidden;
        const wchar_t* buildId;
        const wchar_t* installerChannel;
        const wchar_t* channel;
        const wchar_t* buildName;
    };
    const Case cases[] = {
        {"no_block_clean_machine", L"", std::nullopt, L"100", L"925759", L"925759", L"Test Build"},
        {"no_block_product_channel_kept", L"5551", std::nullopt, L"100", L"925759", L"5551", L"Test Build"},
        {"block_without_overwrite", L"5551", HiddenIdentity{"204", "777", "Spring", false}, L"204", L"777", L"5551",
         L"Spring"},
        {"block_with_overwrite", L"5551", HiddenIdentity{"204", "777", "Spring", true}, L"204", L"777", L"777",
         L"Spring"},
        {"partial_block_gets_defaults", L"", HiddenIdentity{"", "777", "", false}, L"100", L"777", L"777",
         L"Test Build"},
    };
    for (const Case& c : cases) {
        InstallerState state;
        state.channelId = c.productChannel;
        ApplyIdentity(state, c.hidden);
        EXPECT_EQ(state.buildId, c.buildId) << c.name;
        EXPECT_EQ(state.installerChannelId, c.installerChannel) << c.name;
        EXPECT_EQ(state.channelId, c.channel) << c.name;
        EXPECT_EQ(state.buildName, c.buildName) << c.name;
    }
}

TEST(InstallerIdentity, SettingsChannelTable) {
    struct Case {
        const char* name;
        std::string content;
        std::optional<std::wstring> channel;
    };
    const Case cases[] = {
        {"chid_root", "<?xml version='1.0'?><chid>4242</chid>", std::wstring(L"4242")},
        {"other_root", "<settings><chid>4242</chid></settings>", std::nullopt},
        {"root_name_is_exact", "<CHID>4242</CHID>", std::nullopt},
        {"not_xml", "chid=4242", std::nullopt},
        {"empty_chid", "<chid/>", std::nullopt},
        // Only the first MiB is read: a larger file is cut and does not parse.
        {"larger_than_a_mebibyte", "<chid>1<!--" + std::string(1 << 20, 'x') + "--></chid>", std::nullopt},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::wstring path = dir / L"settings.xml";
        WriteFileBytes(path, c.content);
        EXPECT_EQ(ReadSettingsChannel(path), c.channel) << c.name;
    }
    EXPECT_EQ(ReadSettingsChannel(dir / L"absent.xml"), std::nullopt);
}

TEST(InstallerIdentity, NewUidsFollowThePatternAndDiffer) {
    const std::wregex pattern(L"\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}");
    const std::wstring first = NewUid();
    EXPECT_EQ(first.size(), 38u);
    EXPECT_TRUE(std::regex_match(first, pattern)) << WideToUtf8(first);
    EXPECT_NE(NewUid(), first);
}

}  // namespace
