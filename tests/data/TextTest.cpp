#include "data/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, SetPadsWithOneNulThenBlanksAndReadsBack) {
    rv::Text<8> t;
    t.set("146525");
    EXPECT_EQ(std::string(t.full()), std::string("146525\0 ", 8));
    EXPECT_EQ(t.get(), "146525");
}

TEST(Text, FullWidthValueHasNoNulAndLongerInputIsCut) {
    rv::Text<4> t;
    t.set("7415");
    EXPECT_EQ(std::string(t.full()), "7415");
    t.set("123456");
    EXPECT_EQ(t.get(), "1234");
}

TEST(Text, ZeroFilledFieldReadsEmpty) {
    rv::Text<5> t;
    EXPECT_EQ(t.get(), "");
}

} // namespace
