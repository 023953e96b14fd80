// Case-insensitive strings: the basis of tag, attribute and variable names.
#include <gtest/gtest.h>

#include <map>

#include "common/ci_string.h"
#include "common/text_conversion.h"

namespace {

TEST(CiString, ComparisonsIgnoreCase) {
    EXPECT_EQ(CiString(L"Package"), CiString(L"PACKAGE"));
    EXPECT_EQ(CiString(L"\u00e4bc"), CiString(L"\u00c4BC"));
    EXPECT_NE(CiString(L"abc"), CiString(L"abd"));
    EXPECT_LT(CiString(L"apple"), CiString(L"BANANA"));
    EXPECT_EQ(CiString(L"ErrorScope").find(L"SCOPE"), 5u);
    std::map<CiString, int> names{{L"Src", 1}};
    names[L"SRC"] = 2;
    EXPECT_EQ(names.size(), 1u);
    EXPECT_EQ(names.begin()->first, L"Src");
    EXPECT_EQ(ToUpper(L"RegistryVersion"), L"REGISTRYVERSION");
    EXPECT_EQ(ToWide(ToUpper(L"\u00e4x")), L"\u00c4X");
}

TEST(TextConversion, RoundTripsWithoutTerminator) {
    const std::wstring text = L"Zanvo \u00e4\u20ac\U0001F600";
    const std::string utf8 = WideToUtf8(text);
    EXPECT_EQ(utf8, "Zanvo \xc3\xa4\xe2\x82\xac\xf0\x9f\x98\x80");
    EXPECT_EQ(Utf8ToWide(utf8), text);
    EXPECT_EQ(WideToUtf8(L"").size(), 0u);
    EXPECT_EQ(Utf8ToWide("").size(), 0u);
    EXPECT_EQ(AnsiToWide(WideToAnsi(L"plain ascii")), L"plain ascii");
    EXPECT_EQ(WideToAnsi(L"abc").size(), 3u);
    // No best-fit look-alike for a character outside the code page.
    EXPECT_EQ(WideToAnsi(L"\u4e2d"), "?");
}

}  // namespace
