#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"

namespace {

using M = rv::editors::ChannelTableModel;

class ChannelGridTypingTest : public rv::test::ChannelFixture {
protected:
    QComboBox* combo(rv::editors::frmCommChInfo* g) {
        return qobject_cast<QComboBox*>(g->openEditor());
    }
    std::string decodeText() { return rv::ToneToText(session(), channel(5)->RxCode.get()); }
};

TEST_F(ChannelGridTypingTest, TypedToneBuildsUpToAWholeEntryBeforeAnythingIsStored) {
    const std::pair<const char*, const char*> cases[] = {
        {"D754N", "D754N"}, {"88.5", "88.5"}, {"d754n", "D754N"}, {"67", "67.0"}, {"none", "None"}};
    addChannel(5, "146", "146");
    auto* g = openGrid();
    for (const auto& [keys, want] : cases) {
        g->setCurrentCell(5, M::Dec);
        const std::string before = decodeText();
        QTest::keyClicks(combo(g), keys);
        ASSERT_NE(combo(g), nullptr) << keys << ": the first key closed the cell";
        EXPECT_EQ(current(g), std::make_pair(5, int(M::Dec))) << keys;
        EXPECT_EQ(combo(g)->currentText(), want) << keys;
        EXPECT_EQ(decodeText(), before) << keys << ": stored before Enter";
        QTest::keyClick(combo(g), Qt::Key_Return);
        EXPECT_EQ(decodeText(), want) << keys;
        EXPECT_EQ(current(g), std::make_pair(5, int(M::Enc))) << keys;
    }
}

TEST_F(ChannelGridTypingTest, KeysThatLeadToNoToneAreRefused) {
    addChannel(5, "146", "146");
    auto* g = openGrid();
    g->setCurrentCell(5, M::Dec);
    QTest::keyClicks(combo(g), "8");
    ASSERT_NE(combo(g), nullptr) << "the first key closed the cell";
    QTest::keyClicks(combo(g), "8.");
    QTest::keyClicks(combo(g), "0"); // 88.0 Hz is no tone of the list
    EXPECT_EQ(combo(g)->currentText(), "88.5");
    QTest::keyClicks(combo(g), "x");
    EXPECT_EQ(combo(g)->currentText(), "88.5");
    EXPECT_EQ(current(g), std::make_pair(5, int(M::Dec)));
}

TEST_F(ChannelGridTypingTest, ArrowKeysStepThroughTheListAndTabCommits) {
    addChannel(5, "146", "146");
    auto* g = openGrid();
    g->setCurrentCell(5, M::Dec);
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(combo(g), Qt::Key_Down);
        ASSERT_NE(combo(g), nullptr) << "an arrow key closed the cell";
    }
    EXPECT_EQ(combo(g)->currentText(), "69.3");
    EXPECT_EQ(decodeText(), "None");
    QTest::keyClick(combo(g), Qt::Key_Up);
    QTest::keyClick(combo(g), Qt::Key_Tab);
    EXPECT_EQ(decodeText(), "67.0");
    EXPECT_EQ(current(g), std::make_pair(5, int(M::Enc)));
}

TEST_F(ChannelGridTypingTest, TypingWithNoEditorOpenStaysOnTheChannel) {
    addChannel(1, "146");
    auto* g = openGrid();
    auto* view = child<QTableView>(g, "MSFlexGrid1");
    g->setCurrentCell(11, M::RxFreq);
    QTest::keyClick(text1(g), Qt::Key_Escape);
    ASSERT_EQ(g->openEditor(), nullptr);
    QTest::keyClicks(view, "147.5");
    ASSERT_NE(text1(g), nullptr);
    QTest::keyClick(text1(g), Qt::Key_Return);
    EXPECT_EQ(channel(1)->RxFreq.get(), "14600000");
    ASSERT_NE(channel(11), nullptr);
    EXPECT_EQ(channel(11)->RxFreq.get(), "14750000");

    // On a drop-down cell the key starts an entry; nothing is stored before Enter.
    g->setCurrentCell(1, M::Power);
    QTest::keyClick(combo(g), Qt::Key_Escape);
    QTest::keyClicks(view, "l");
    ASSERT_NE(combo(g), nullptr);
    EXPECT_EQ(combo(g)->currentText(), "Low");
    EXPECT_EQ(channel(1)->TxPower, 1);
    EXPECT_EQ(current(g), std::make_pair(1, int(M::Power)));
}

TEST_F(ChannelGridTypingTest, HighlightFollowsTheCellActuallyEdited) {
    addChannel(2, "146");
    auto* g = openGrid();
    auto* view = child<QTableView>(g, "MSFlexGrid1");
    const auto click = [&](int row, int column) {
        const QRect r = view->visualRect(view->model()->index(row - 1, column));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
        return view->selectionModel()->selectedIndexes();
    };
    const auto at = [&](int row, int column) {
        return QModelIndexList{view->model()->index(row - 1, column)};
    };
    EXPECT_EQ(click(2, M::Enc), at(2, M::TxFreq)) << "no transmit frequency yet";
    EXPECT_EQ(click(7, M::Power), at(7, M::RxFreq)) << "empty row";
    EXPECT_EQ(click(2, M::Dec), at(2, M::Dec));
}

} // namespace
