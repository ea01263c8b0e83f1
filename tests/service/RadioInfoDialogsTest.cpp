#include "WindowLookup.h"
#include "data/ModelTables.h"
#include "jobs/RadioInfo.h"
#include "service/FrmRadioInfoSet.h"
#include "support/ScriptedPrompt.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace rv::ui;
using namespace rv::service;

namespace {

using rv::test::Child;

class RadioInfoDialogsTest : public ::testing::Test {
protected:
    AppContext ctx;

    void SetUp() override {
        ctx.setPrompt(new rv::test::ScriptedPrompt);
        auto& doc = ctx.doc();
        doc.ModelType.assign("817");
        doc.FrequencyCode = 65;
        doc.SerialNumber.assign("20261201");
        doc.Version.assign("V1.00");
    }
    void chooseModel(QWidget* dialog, const QString& type) {
        auto* box = Child<QComboBox>(dialog, "Combo1_0");
        const int i = box->findText(type);
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
};

TEST_F(RadioInfoDialogsTest, VersionRule) {
    const std::vector<std::uint8_t> none;
    std::vector<std::uint8_t> bare(10, 0xFF); // a radio whose version has no leading V
    bare[0] = 'V';
    bare[1] = '1';
    struct Case {
        const char* typed;
        const std::vector<std::uint8_t>& radio;
        const char* kept;
    };
    for (const Case c :
         {Case{"", none, "V"}, Case{"V2.10", none, "V2.10"}, Case{"2.1", none, "V2.1"},
          Case{"12345", none, "V12345"}, Case{"v1.0", none, "Vv1.0"}, Case{"V1.08", bare, "1.08"},
          Case{"1.234", bare, "1.234"}})
        EXPECT_EQ(FrmRadioInfoSet::FixVersion(c.typed, c.radio), c.kept) << c.typed;

    FrmRadioInfoSet dialog(ctx);
    auto* version = Child<QLineEdit>(&dialog, "Text1_1");
    version->setText("300");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(version, &out);
    EXPECT_EQ(version->text(), "V300");
}

// Too long for its field: a message names field and width; nothing is stored or sent.
TEST_F(RadioInfoDialogsTest, TooLongValueIsRefusedNotCut) {
    auto* prompt = new rv::test::ScriptedPrompt;
    ctx.setPrompt(prompt);
    FrmRadioInfoSet dialog(ctx);
    Child<QLineEdit>(&dialog, "Text1_0")->setText("123456789");
    Child<QPushButton>(&dialog, "CommandWrite")->click();
    Child<QLineEdit>(&dialog, "Text1_0")->setText("1234");
    Child<QLineEdit>(&dialog, "Text1_1")->setText("1.234"); // V1.234 with its V
    Child<QPushButton>(&dialog, "CommandClose")->click();
    ASSERT_EQ(prompt->asked.size(), 2);
    EXPECT_TRUE(prompt->asked[0].contains("serial number takes at most 8"))
        << prompt->asked[0].toStdString();
    EXPECT_TRUE(prompt->asked[1].contains("version takes at most 5"))
        << prompt->asked[1].toStdString();
    EXPECT_EQ(ctx.doc().SerialNumber.get(), "20261201");
}

TEST_F(RadioInfoDialogsTest, ModelTypeOffersItsBands) {
    FrmRadioInfo dialog(ctx);
    auto* bands = Child<QComboBox>(&dialog, "Combo1_1");
    chooseModel(&dialog, "917");
    EXPECT_EQ(bands->count(), 5);
    EXPECT_EQ(bands->currentText(), "450 - 490 MHz(M)");
    chooseModel(&dialog, "813");
    EXPECT_EQ(bands->count(), 2);
    EXPECT_EQ(bands->currentText(), "136 - 174 MHz(M)");
    EXPECT_EQ(Child<QComboBox>(&dialog, "Combo1_0")->count(), 6);
}

TEST(RadioInfoBands, NamesMeanTheCodesOfTheirRange) {
    using Codes = std::vector<int>;
    for (const auto& [band, codes] :
         {std::pair{"136 - 174 MHz(M)", Codes{99}}, std::pair{"470 - 512 MHz(K2)", Codes{33, 51}},
          std::pair{"450 - 490 MHz(M)", Codes{}}, std::pair{"400 - 470 MHz(X)", Codes{}},
          std::pair{"", Codes{}}})
        EXPECT_EQ(rv::jobs::InfoBandCodes(band), codes) << band;
}

TEST_F(RadioInfoDialogsTest, SetDialogShowsTheRadiosBandUntilAnotherIsChosen) {
    ctx.doc().ModelType.assign("917");
    {
        // Regression: leaving the model box matched its text to an entry and refilled the
        // bands.
        FrmRadioInfo shown(ctx);
        emit Child<QComboBox>(&shown, "Combo1_0")->lineEdit()->editingFinished();
        EXPECT_EQ(Child<QComboBox>(&shown, "Combo1_1")->currentText(), "400 - 470 MHz");
    }
    // A model type's band whose range no code names cannot be chosen; choosing a model type
    // shows its first band that can, or keeps the radio's; a band the radio's code already
    // names keeps that code.
    struct Case {
        int radioCode;
        const char* model;
        const char* band; ///< chosen after the model type; null: the one shown is kept
        const char* shown;
        int stored;
    };
    for (const Case c : {Case{65, "917", nullptr, "", 65},
                         Case{51, "913", "470 - 512 MHz(M2)", "470 - 512 MHz(M2)", 51},
                         Case{65, "913", "450 - 490 MHz(K)", "470 - 512 MHz(K2)", 33}}) {
        SCOPED_TRACE(c.model);
        ctx.doc().ModelType.assign("917");
        ctx.doc().FrequencyCode = static_cast<rv::Int16>(c.radioCode);
        FrmRadioInfoSet dialog(ctx);
        auto* band = Child<QComboBox>(&dialog, "Combo1_1");
        EXPECT_EQ(band->placeholderText(), QString::fromStdString(rv::BandTextOf(c.radioCode, "")));
        EXPECT_EQ(band->currentIndex(), -1);
        chooseModel(&dialog, c.model);
        if (c.band) {
            const int i = band->findText(c.band);
            // What the list refuses is not taken by a click either.
            if (band->model()->flags(band->model()->index(i, 0)) & Qt::ItemIsEnabled)
                band->setCurrentIndex(i);
        }
        EXPECT_EQ(band->currentText(), c.shown);
        Child<QPushButton>(&dialog, "CommandClose")->click();
        EXPECT_EQ(ctx.doc().FrequencyCode, c.stored);
    }
}

TEST_F(RadioInfoDialogsTest, UnknownModelTypeGoesBackAsTheRadioSentIt) {
    ctx.doc().ModelType.assign("");
    ctx.session.RadioModelType = "4615";
    {
        FrmRadioInfoSet dialog(ctx);
        Child<QPushButton>(&dialog, "CommandClose")->click();
    }
    EXPECT_EQ(ctx.doc().ModelType.full(), "4615");
}

TEST_F(RadioInfoDialogsTest, UnknownModelTypeShowsNoBand) {
    ctx.doc().ModelType.assign("");
    FrmRadioInfo shown(ctx);
    EXPECT_EQ(Child<QComboBox>(&shown, "Combo1_0")->currentText(), "");
    EXPECT_EQ(Child<QComboBox>(&shown, "Combo1_1")->count(), 0);
    EXPECT_EQ(Child<QComboBox>(&shown, "Combo1_1")->currentText(), "");
    EXPECT_EQ(Child<QLineEdit>(&shown, "Text1")->text(), "20261201");
}

TEST_F(RadioInfoDialogsTest, TimeSyncThenCloseStoresTodayAndTheIdentity) {
    {
        FrmRadioInfoSet dialog(ctx);
        chooseModel(&dialog, "916");
        Child<QLineEdit>(&dialog, "Text1_1")->setText("2.0");
        Child<QPushButton>(&dialog, "CommandTimeSync")->click();
        EXPECT_EQ(Child<QLineEdit>(&dialog, "Text1_0")->text(),
                  QDate::currentDate().toString("yyyyMMdd"));
        Child<QPushButton>(&dialog, "CommandClose")->click();
    }
    const auto& doc = ctx.doc();
    EXPECT_EQ(doc.SerialNumber.get(), QDate::currentDate().toString("yyyyMMdd").toStdString());
    EXPECT_EQ(doc.ModelType.full(), "916 ");
    EXPECT_EQ(doc.TypeLetter, 67);
    EXPECT_EQ(doc.Version.get(), "V2.0");
    // Regression: a band name without a code in the band table used to store code 0; none
    // of this model type's bands has a known code, so the radio's stays.
    EXPECT_EQ(doc.FrequencyCode, 65);
}

TEST_F(RadioInfoDialogsTest, TextBoxesRefuseCharactersAbove127) {
    FrmRadioInfoSet dialog(ctx);
    auto* serial = Child<QLineEdit>(&dialog, "Text1_0");
    serial->clear();
    for (const QString& c : {QString("1"), QString("2"), QString::fromUtf8("é"), QString("3")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, c);
        QApplication::sendEvent(serial, &press);
    }
    EXPECT_EQ(serial->text(), "123");
    EXPECT_EQ(serial->contextMenuPolicy(), Qt::NoContextMenu);
}

TEST_F(RadioInfoDialogsTest, ChineseCaptions) {
    ctx.session.CurLanguage = rv::Chinese;
    FrmRadioInfoSet dialog(ctx);
    EXPECT_EQ(dialog.windowTitle(), "设置对讲机信息");
    EXPECT_EQ(Child<QPushButton>(&dialog, "CommandTimeSync")->text(), "时间同步(&T)");
    QStringList labels;
    for (auto* l : dialog.findChildren<QLabel*>())
        labels << l->text();
    EXPECT_TRUE(labels.contains("版本"));
    EXPECT_TRUE(labels.contains("序号"));
}

} // namespace
