#include "editors/FrmKeyAssignm.h"
#include "editors/FrmScanInfo.h"

#include "SettingsTestUtil.h"

using namespace rv::test;
using rv::editors::FrmKeyAssignm;
using rv::editors::FrmScanInfo;

namespace {

class SettingsKeyTest : public SettingsFixture {};

TEST_F(SettingsKeyTest, ReservedCodesShowTheirNameUntilReplaced) {
    ctx.doc().KeyFunc1 = 8;
    ctx.doc().KeyFunc2 = 0;
    auto w = open<FrmKeyAssignm>();
    auto* pf1 = Box(w.get(), "Combo1_0");
    EXPECT_EQ(Shown(pf1), "Reserved2");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_1")), "Reserved1");
    EXPECT_EQ(pf1->findText("Reserved2"), -1);
    EXPECT_EQ(ctx.doc().KeyFunc1, 8);
    Choose(pf1, "Monitor");
    EXPECT_EQ(ctx.doc().KeyFunc1, 4);
}

TEST_F(SettingsKeyTest, TypedTextCanNeverStoreMinusOne) {
    auto w = open<FrmKeyAssignm>();
    auto* pf1 = Box(w.get(), "Combo1_0");
    EXPECT_FALSE(pf1->isEditable());
    pf1->setFocus();
    QTest::keyClicks(pf1, "xyz");
    QTest::keyClick(pf1, Qt::Key_Tab);
    EXPECT_EQ(ctx.doc().KeyFunc1, 255);
}

class SettingsScanTest : public SettingsFixture {};

TEST_F(SettingsScanTest, DefaultsShowWithPriorityControlsDisabled) {
    auto w = open<FrmScanInfo>();
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_0")), "None");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_1")), "None");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_2")), "2.00");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_3")), "3.00");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_4")), "Selected+Talk Back");
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_5")), "3");
    for (auto* n : {"Combo1_1", "Combo1_2", "Combo1_3"})
        EXPECT_FALSE(Child(w.get(), n)->isEnabled()) << n;
}

TEST_F(SettingsScanTest, PriorityModeSetsRevertChoicesAndEnabledStates) {
    struct Case {
        const char* mode;
        QStringList revert;
        bool channel, lookBack;
    };
    const Case cases[] = {
        {"Fixd", {"Selected", "Selected+Talk Back", "Priority", "Priority+Talk Back"}, true, true},
        {"Selected", {"Priority", "Priority+Talk Back"}, false, true},
        {"None", {"Selected", "Selected+Talk Back"}, false, false},
    };
    auto w = open<FrmScanInfo>();
    auto* revert = Box(w.get(), "Combo1_4");
    for (const auto& c : cases) {
        Choose(Box(w.get(), "Combo1_0"), c.mode);
        QStringList entries;
        for (int i = 0; i < revert->count(); ++i)
            entries << revert->itemText(i);
        EXPECT_EQ(entries, c.revert) << c.mode;
        EXPECT_EQ(Child(w.get(), "Combo1_1")->isEnabled(), c.channel) << c.mode;
        EXPECT_EQ(Child(w.get(), "Combo1_2")->isEnabled(), c.lookBack) << c.mode;
        EXPECT_EQ(Child(w.get(), "Combo1_3")->isEnabled(), c.lookBack) << c.mode;
    }
    EXPECT_EQ(ctx.doc().ScanInfo.PriorityType, 0);
}

TEST_F(SettingsScanTest, ModeChangeMovesRevertShownButNotStored) {
    ctx.doc().ScanInfo.PriorityType = 1;
    ctx.doc().ScanInfo.RevertChannel = 3;
    auto w = open<FrmScanInfo>();
    auto* revert = Box(w.get(), "Combo1_4");
    EXPECT_EQ(Shown(revert), "Priority+Talk Back");
    Choose(Box(w.get(), "Combo1_0"), "None");
    EXPECT_EQ(Shown(revert), "Selected+Talk Back");
    EXPECT_EQ(ctx.doc().ScanInfo.RevertChannel, 3);
    Choose(revert, "Selected");
    EXPECT_EQ(ctx.doc().ScanInfo.RevertChannel, 0);
}

TEST_F(SettingsScanTest, StoredRevertOutsideModeListIsShown) {
    ctx.doc().ScanInfo.RevertChannel = 2; // "Priority", not offered under mode "None"
    auto w = open<FrmScanInfo>();
    EXPECT_EQ(Shown(Box(w.get(), "Combo1_4")), "Priority");
    EXPECT_EQ(Box(w.get(), "Combo1_4")->count(), 2);
}

} // namespace

namespace {

TEST_F(SettingsScanTest, EnterMovesToTheNextEnabledBox) {
    auto w = open<FrmScanInfo>();
    auto* priority = Box(w.get(), "Combo1_0");
    priority->setFocus();
    QTest::keyClick(priority, Qt::Key_Return);
    // Priority channel and look-back times are disabled under priority "None".
    EXPECT_TRUE(Box(w.get(), "Combo1_4")->hasFocus());
    EXPECT_EQ(ctx.doc().ScanInfo, rv::ScanInfo(ctx.session.SavedCopy.ScanInfo));
}

} // namespace
