#include "data/SettingTexts.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using rv::Chinese;
using rv::English;

TEST(SettingTexts, KeyFunctionsNameEveryCodeTheRadioKnows) {
    struct Case {
        int code;
        const char* en;
        const char* zh;
    };
    const Case cases[] = {
        {255, "None", "无"},
        {0, "Reserved1", "保留1"},
        {1, "Reserved1", "保留1"},
        {3, "Key Lock with Backup", "按键锁定及备份"},
        {4, "Monitor", "监听"},
        {8, "Reserved2", "保留2"},
        {11, "Temporary Delete", "暂时删除"},
        {12, "", ""},
        {-1, "", ""},
        {254, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rv::KeyFunctionText(c.code, English), c.en) << c.code;
        EXPECT_EQ(rv::KeyFunctionText(c.code, Chinese), c.zh) << c.code;
    }
}

TEST(SettingTexts, KeyListOffersNoReservedCode) {
    const rv::ChoiceList& l = rv::KeyFunctionChoices();
    ASSERT_EQ(l.size(), 10u);
    EXPECT_EQ(rv::ChoiceValue(l, 0), 255);
    std::set<std::string> texts;
    for (const rv::Choice& c : l) {
        EXPECT_TRUE(c.value != 0 && c.value != 1 && c.value != 8) << c.value;
        texts.insert(rv::InLanguage(c.text, English));
    }
    EXPECT_EQ(texts.size(), l.size()); // a text picked in the window names one code
    EXPECT_EQ(rv::ChoiceValue(l, 10), -1);
    EXPECT_EQ(rv::ChoiceValue(l, -1), -1);
}

TEST(SettingTexts, RevertChannelsFollowThePriorityMode) {
    const auto values = [](int mode) {
        std::vector<int> v;
        for (const rv::Choice& c : rv::RevertChoicesOfMode(mode))
            v.push_back(c.value);
        return v;
    };
    EXPECT_EQ(values(0), (std::vector<int>{0, 1}));
    EXPECT_EQ(values(1), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(values(2), (std::vector<int>{2, 3}));
    EXPECT_TRUE(values(3).empty());
    EXPECT_TRUE(values(-1).empty());
    EXPECT_EQ(rv::ShownValue(rv::RevertChannelChoices(), 1, Chinese), "选定+当前通话");
}

TEST(SettingTexts, ValueOutsideItsListShowsAsItsNumber) {
    EXPECT_EQ(rv::ShownValue(rv::CallAlertChoices(), 2, English), "Continuous");
    EXPECT_EQ(rv::ShownValue(rv::CallAlertChoices(), 3, English), "3");
    EXPECT_EQ(rv::ShownValue(rv::StunTypeChoices(), -2, Chinese), "-2");
    EXPECT_EQ(rv::ShownValue(rv::DtmfSpeedChoices(), 3, English), "15");
    EXPECT_EQ(rv::ShownValue(rv::DCodeChoices(), 16, Chinese), "16秒");
    EXPECT_EQ(rv::ShownValue(rv::DCodeChoices(), 17, Chinese), "17");
    EXPECT_EQ(rv::ShownValue(rv::GroupCodeChoices(), 0, Chinese), "关");
    EXPECT_EQ(rv::ShownValue(rv::GroupCodeChoices(), '#', English), "#");
    EXPECT_EQ(rv::ShownValue(rv::GroupCodeChoices(), 'E', English), "69");
    EXPECT_EQ(rv::OnOffText(2, English), "2");
    EXPECT_EQ(rv::PriorityChannelText(255, English), "None");
    EXPECT_EQ(rv::PriorityChannelText(16, English), "16");
}

TEST(SettingTexts, LookBackTimesSpanTheirList) {
    EXPECT_EQ(rv::LookBackText(1), "0.50");
    EXPECT_EQ(rv::LookBackText(2), "0.55");
    EXPECT_EQ(rv::LookBackText(11), "1.00");
    EXPECT_EQ(rv::LookBackText(rv::LookBackCount), "5.00");
    EXPECT_EQ(rv::LookBackText(0), "");
    EXPECT_EQ(rv::LookBackText(rv::LookBackCount + 1), "");
}

TEST(SettingTexts, FleetNumbersCarryTheirOffset) {
    EXPECT_EQ(rv::FleetNumberText(1, rv::FleetOffset, false, English), "100");
    EXPECT_EQ(rv::FleetNumberText(250, rv::FleetOffset, false, English), "349");
    EXPECT_EQ(rv::FleetNumberText(4000, rv::IdOffset, true, English), "4999");
    EXPECT_EQ(rv::FleetNumberText(255, rv::FleetOffset, true, English), "");
    EXPECT_EQ(rv::FleetNumberText(0, rv::IdOffset, true, Chinese), "所有");
    EXPECT_EQ(rv::FleetNumberText(0, rv::FleetOffset, false, English), "99");
}

} // namespace
