#include "framework/convert.h"
#include "framework/error.h"

#include <gtest/gtest.h>

namespace tundeck {
namespace {

TEST(StrToInt, AcceptsBlanksSignAndDigitsOnly) {
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("  42"), 42);
    EXPECT_EQ(StrToInt("-20"), -20);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "1 ", "1a", "0x10", "$10", "2147483648", "-2147483649",
                            "99999999999999999999", "1.0", "\t1", "- 1"}) {
        EXPECT_FALSE(TryStrToInt(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(StrToInt, NamesTheTextInItsError) {
    try {
        StrToInt("abc");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
    EXPECT_THROW(StrToInt(""), Error);
}

TEST(TryStrToReal, FollowsTheNumberGrammar) {
    EXPECT_DOUBLE_EQ(*TryStrToReal("0.4556"), 0.4556);
    EXPECT_DOUBLE_EQ(*TryStrToReal("  1"), 1.0);
    EXPECT_DOUBLE_EQ(*TryStrToReal("-0.5"), -0.5);
    EXPECT_DOUBLE_EQ(*TryStrToReal("+2.5E-1"), 0.25);
    EXPECT_DOUBLE_EQ(*TryStrToReal("3e2"), 300.0);
    EXPECT_DOUBLE_EQ(*TryStrToReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(*TryStrToReal("5."), 5.0);
    for (const char* bad : {"", ".", "0,5", "1e", "1e+", "inf", "nan", "0x1p3", "1 ", "--1", "1e999999"}) {
        EXPECT_FALSE(TryStrToReal(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(FormatFixed, RoundsAndRightAligns) {
    EXPECT_EQ(FormatFixed(0.4556, 4, 6), "0.4556");
    EXPECT_EQ(FormatFixed(0.33, 4, 6), "0.3300");
    EXPECT_EQ(FormatFixed(0.123456, 4, 6), "0.1235");
    EXPECT_EQ(FormatFixed(1.0, 4, 6), "1.0000");
    EXPECT_EQ(FormatFixed(12.5, 4, 6), "12.5000");
    EXPECT_EQ(FormatFixed(0.5, 1, 6), "   0.5");
    EXPECT_EQ(FormatFixed(-0.25, 4, 6), "-0.2500");
}

} // namespace
} // namespace tundeck
