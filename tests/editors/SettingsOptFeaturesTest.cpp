#include "editors/FrmOptFeatures.h"

#include "SettingsTestUtil.h"

using namespace rv::test;
using rv::editors::FrmOptFeatures;

namespace {

class SettingsOptFeaturesTest : public SettingsFixture {};

TEST_F(SettingsOptFeaturesTest, VoiceListOffersRussianOnlyForExportModels) {
    ctx.session.CurModelCode = "7415";
    EXPECT_EQ(Box(open<FrmOptFeatures>().get(), "Combo1_4")->count(), 4);
    ctx.session.CurModelCode = "592";
    ctx.doc().OptFeatures.VoiceAnnunciation = 3;
    auto w = open<FrmOptFeatures>();
    auto* box = Box(w.get(), "Combo1_4");
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(Shown(box), "");
    EXPECT_EQ(ctx.doc().OptFeatures.VoiceAnnunciation, 3);
}

TEST_F(SettingsOptFeaturesTest, VoxFunctionGreysDetailsAndKeepsTheirValues) {
    auto& f = ctx.doc().OptFeatures;
    f.VoxFunction = 1;
    f.VoxProceedTone = 1;
    auto w = open<FrmOptFeatures>();
    const char* details[] = {"Combo3_0", "Combo3_1", "Check2_1", "Check2_2", "Check2_3"};
    for (auto* n : details)
        EXPECT_TRUE(Child(w.get(), n)->isEnabled()) << n;

    Click(Child<QCheckBox>(w.get(), "Check2_0"));
    EXPECT_EQ(f.VoxFunction, 0);
    for (auto* n : details)
        EXPECT_FALSE(Child(w.get(), n)->isEnabled()) << n;
    EXPECT_TRUE(Child(w.get(), "Check2_0")->isEnabled());
    EXPECT_EQ(f.VoxGain, 5);
    EXPECT_EQ(f.VoxDelay, 1);
    EXPECT_EQ(f.VoxProceedTone, 1);
}

TEST_F(SettingsOptFeaturesTest, TabAndEnterWalkTheVoxFrameInScreenOrder) {
    ctx.doc().OptFeatures.VoxFunction = 1;
    auto w = open<FrmOptFeatures>();
    const char* order[] = {"Check2_0", "Combo3_0", "Combo3_1", "Check2_1"};
    for (int key : {int(Qt::Key_Tab), int(Qt::Key_Return)}) {
        Child(w.get(), order[0])->setFocus();
        for (std::size_t i = 1; i < std::size(order); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            EXPECT_EQ(QApplication::focusWidget()->objectName(), order[i]) << "key " << key;
        }
    }
}

TEST_F(SettingsOptFeaturesTest, HiddenPttIdControlsCarryTheirValues) {
    auto& f = ctx.doc().OptFeatures;
    f.PttIdMode = 7; // outside the list: shown as the first entry, kept as stored
    f.PttIdType = 1;
    auto w = open<FrmOptFeatures>();
    EXPECT_FALSE(Child(w.get(), "Combo1_3")->isVisible());
    EXPECT_FALSE(Child(w.get(), "Check1_2")->isVisible());
    EXPECT_FALSE(Child(w.get(), "Text1_0")->isVisible());
    EXPECT_EQ(Shown(Box(w.get(), "Combo2_0")), "DTMF");
    EXPECT_EQ(f.PttIdMode, 7);
    // "EOT": only the end-of-transmission text is open for input.
    EXPECT_FALSE(Child(w.get(), "Text1_0")->isEnabled());
    EXPECT_TRUE(Child(w.get(), "Text1_1")->isEnabled());
    EXPECT_EQ(Child<QLineEdit>(w.get(), "Text1_0")->text(), "12345");

    const struct {
        const char* type;
        bool bot, eot;
    } rules[] = {{"Both", true, true}, {"BOT", true, false}, {"EOT", false, true}};
    for (const auto& r : rules) {
        Choose(Box(w.get(), "Combo2_1"), r.type);
        EXPECT_EQ(Child(w.get(), "Text1_0")->isEnabled(), r.bot) << r.type;
        EXPECT_EQ(Child(w.get(), "Text1_1")->isEnabled(), r.eot) << r.type;
    }
    EXPECT_EQ(f.PttIdType, 1);
    Choose(Box(w.get(), "Combo2_0"), "FleetSync");
    EXPECT_EQ(f.PttIdMode, 1);
}

TEST_F(SettingsOptFeaturesTest, PttIdTextTakesOnlyDtmfDigits) {
    auto w = open<FrmOptFeatures>();
    auto* text = Child<QLineEdit>(w.get(), "Text1_0");
    text->setFocus();
    text->clear();
    QTest::keyClicks(text, "a1#x*dE");
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text->text(), "A1#*D");
    emit text->editingFinished();
    EXPECT_EQ(ctx.doc().OptFeatures.PttIdBot.get(), "A1#*D");
    EXPECT_EQ(ctx.doc().OptFeatures.PttIdBot.full(), "A1#*D           ");
}

} // namespace
