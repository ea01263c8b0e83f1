#include "editors/FrmOptFeatures.h"

#include "SettingsTestUtil.h"

using namespace rv::test;
using rv::ui::FrmOptFeatures;

namespace {

class SettingsOptFeaturesTest : public SettingsFixture {};

TEST_F(SettingsOptFeaturesTest, ListsShowStoredValuesAndStoreChosenOnes) {
    auto& f = ctx.doc().OptFeatures;
    f.VoxFunction = 1;
    auto w = open<FrmOptFeatures>();
    EXPECT_EQ(w->objectName(), "FrmOptFeatures");
    EXPECT_EQ(Box(w.get(), "Combo1_0")->shownText(), "60");
    EXPECT_EQ(Box(w.get(), "Combo1_1")->shownText(), "Off");
    EXPECT_EQ(Box(w.get(), "Combo1_2")->shownText(), "5");
    EXPECT_EQ(Box(w.get(), "Combo3_1")->shownText(), "0.5");

    const ChoiceCase cases[] = {
        {"Combo1_0", "600", &f.TotTime, 40},
        {"Combo1_0", "15", &f.TotTime, 1},
        {"Combo1_1", "7", &f.TotPreAlert, 7},
        {"Combo1_1", "Off", &f.TotPreAlert, 0},
        {"Combo1_2", "0", &f.SquelchLevel, 0},
        {"Combo1_2", "9", &f.SquelchLevel, 9},
        {"Combo1_4", "English", &f.VoiceAnnunciation, 2},
        {"Combo3_0", "Off", &f.VoxGain, 0},
        {"Combo3_0", "10", &f.VoxGain, 10},
        {"Combo3_1", "0.3", &f.VoxDelay, 0},
        {"Combo3_1", "3", &f.VoxDelay, 5},
    };
    ExpectChoicesStore(w.get(), cases);
}

TEST_F(SettingsOptFeaturesTest, VoiceListOffersRussianOnlyForExportModels) {
    ctx.session.CurModelCode = "7415";
    EXPECT_EQ(Box(open<FrmOptFeatures>().get(), "Combo1_4")->count(), 4);
    ctx.session.CurModelCode = "592";
    ctx.doc().OptFeatures.VoiceAnnunciation = 3;
    auto w = open<FrmOptFeatures>();
    auto* box = Box(w.get(), "Combo1_4");
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->shownText(), "");
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

TEST_F(SettingsOptFeaturesTest, ChecksStoreTheirValue) {
    auto w = open<FrmOptFeatures>();
    auto& f = ctx.doc().OptFeatures;
    Click(Child<QCheckBox>(w.get(), "Check1_0"));
    Click(Child<QCheckBox>(w.get(), "Check1_1"));
    Click(Child<QCheckBox>(w.get(), "Check3"));
    EXPECT_EQ(f.BatterySave, 1);
    EXPECT_EQ(f.Beep, 0);
    EXPECT_EQ(f.CloneMode, 1);
}

TEST_F(SettingsOptFeaturesTest, HiddenPttIdControlsCarryTheirValues) {
    auto& f = ctx.doc().OptFeatures;
    f.PttIdMode = 7; // outside the list: shown as the first entry, kept as stored
    f.PttIdType = 1;
    auto w = open<FrmOptFeatures>();
    EXPECT_FALSE(Child(w.get(), "Combo1_3")->isVisible());
    EXPECT_FALSE(Child(w.get(), "Check1_2")->isVisible());
    EXPECT_FALSE(Child(w.get(), "Text1_0")->isVisible());
    EXPECT_EQ(Box(w.get(), "Combo2_0")->shownText(), "DTMF");
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

TEST_F(SettingsOptFeaturesTest, ChineseCaptionsLeaveValuesAlone) {
    auto w = open<FrmOptFeatures>();
    const auto before = ctx.doc();
    ctx.session.CurLanguage = rv::Chinese;
    w->changeShowByLanguage();
    EXPECT_EQ(w->windowTitle(), "可选功能");
    EXPECT_EQ(Box(w.get(), "Combo1_1")->shownText(), "关");
    EXPECT_EQ(Child<QLabel>(w.get(), "Label1_2")->text(), "静躁电平");
    EXPECT_EQ(ctx.doc(), before);
}

} // namespace
