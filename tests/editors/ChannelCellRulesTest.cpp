#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

#include <QUndoStack>

namespace {

using M = rv::editors::ChannelTableModel;
using rv::test::ChannelFixture;

class ChannelCellRulesTest : public ChannelFixture {
protected:
    void paste(rv::editors::frmCommChInfo* g, int row, const QString& text) {
        QApplication::clipboard()->setText(text);
        g->setCurrentCell(row, M::RxFreq);
        g->pasteChannels();
    }
};

// A pasted cell is read as typing it in its cell would be: list texts in any letter case
// and in either language, tones as the tone box takes them.
TEST_F(ChannelCellRulesTest, PastedChoicesAndTonesStoreWhatTheySay) {
    struct Row {
        const char* pasted;
        const char* rxCode;
        const char* txCode;
        int power, scan, pttId, wide;
    };
    const Row rows[] = {
        // Regression: any text but the exact English one stored the opposite value.
        {"1\t150\t151\tnone\td023n\thigh\tyes\tNONE\toff\tnarrow", "FFFF", "2813", 1, 1, 0, 0},
        {"1\t150\t151\t67\t250.3\tLOW\tNo\tnone\tOn\tWIDE", "029E", "09C7", 0, 0, 1, 1},
        {"1\t150\t151\t无\t067.00\t高\t有\t无\t关\t窄带", "FFFF", "029E", 1, 1, 0, 0},
    };
    auto* g = openGrid();
    for (const Row& r : rows) {
        paste(g, 4, QString::fromUtf8(r.pasted));
        const auto* c = channel(4);
        ASSERT_NE(c, nullptr) << r.pasted;
        EXPECT_EQ(c->RxCode.get(), r.rxCode) << r.pasted;
        EXPECT_EQ(c->TxCode.get(), r.txCode) << r.pasted;
        EXPECT_EQ(std::tuple(c->TxPower, c->ScanAdd, c->PttId, c->WideNarrow),
                  std::tuple(r.power, r.scan, r.pttId, r.wide))
            << r.pasted;
    }
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join('\n').toStdString();
}

TEST_F(ChannelCellRulesTest, OneRefusedCellRefusesTheWholePasteAndListsEveryOne) {
    addChannel(5, "146");
    ctx->markSaved();
    const rv::RadioData before = doc();
    auto* g = openGrid();
    paste(g, 5,
          "1\t150\t151\tD23N\t250.4\thgh\tYes\n"
          "2\t600\n"
          "3\t146.5\t\t\t\t\t\t\t\t\t\t\t9\n");
    EXPECT_EQ(doc(), before);
    EXPECT_FALSE(ctx->undoStack().canUndo());
    ASSERT_EQ(prompt->asked.size(), 1);
    const QString tone = "a tone of the list: None, a QT tone (67.0) or a DQT code (D023N)";
    const QString freq = "a frequency of the band in MHz, digits and one point, at most 9 "
                         "characters (446.00625)";
    EXPECT_EQ(prompt->asked[0],
              "Nothing was pasted: these cells are not taken.\n"
              "Channel 5, QT/DQT Dec: \"D23N\" - " +
                  tone +
                  "\n"
                  "Channel 5, QT/DQT Enc: \"250.4\" - " +
                  tone +
                  "\n"
                  "Channel 5, TX Power: \"hgh\" - one of: High, Low\n"
                  "Channel 6, RX Frequency: \"600\" - " +
                  freq +
                  "\n"
                  "Channel 7, Autodial Memory: \"9\" - one of: 1, 2, 3, 4, 5, 6, 7, 8");
}

// Regression: a typed tone that is not on the list stored the nearest entry.
TEST_F(ChannelCellRulesTest, ToneBoxStoresOnlyAnEntryItWasTyped) {
    const std::pair<const char*, const char*> typed[] = {
        {"67", "029E"},     {"d023n", "2813"}, {"250.3", "09C7"},  {"250.4", nullptr},
        {"D024N", nullptr}, {"D23N", nullptr}, {"67.05", nullptr},
    };
    addChannel(2, "146", "146");
    for (const auto& [text, code] : typed) {
        rv::SetChannelField(session(), 2, rv::ChannelFieldKind::TxCode, "100.0");
        prompt->asked.clear();
        auto* g = openGrid();
        g->setCurrentCell(2, M::Enc);
        ASSERT_NE(g->openEditor(), nullptr);
        QTest::keyClicks(g->openEditor(), text);
        QTest::keyClick(g->openEditor(), Qt::Key_Return);
        EXPECT_EQ(channel(2)->TxCode.get(), code ? code : "03E8") << text;
        EXPECT_EQ(prompt->asked.size(), code ? 0 : 1) << text;
        delete g;
    }
}

} // namespace
