#include "ChannelFixture.h"

#include "editors/ChannelOperations.h"
#include "editors/ChannelTableModel.h"

#include <QUndoStack>

#include <functional>

namespace {

using M = rv::editors::ChannelTableModel;
using rv::test::ChannelFixture;

class ChannelOperationsTest : public ChannelFixture {
protected:
    void SetUp() override {
        ChannelFixture::SetUp();
        addChannel(1, "150");
        addChannel(2, "140");
        addChannel(3, "160");
        addChannel(5, "145");
        ctx->markSaved();
    }
    /// "number:MHz" of every channel in channel order.
    QString layout() {
        QStringList out;
        for (int n = 1; n <= 16; ++n)
            if (const auto* c = channel(n))
                out << QString("%1:%2").arg(n).arg(QString::fromStdString(c->RxFreq.get()).left(3));
        return out.join(' ');
    }
};

// Each operation through the grid is one undo step that brings the list back exactly.
TEST_F(ChannelOperationsTest, EachOperationRenumbersAndUndoesInOneStep) {
    struct Case {
        const char* name;
        int first, last; ///< the selected rows; the first is the current one
        std::function<void(rv::editors::frmCommChInfo*)> run;
        const char* after;
        const char* undoText;
    };
    const Case cases[] = {
        {"insert", 2, 2, [](auto* g) { g->insertChannel(); }, "1:150 3:140 4:160 6:145",
         "Insert Empty Channel"},
        {"delete", 2, 3, [](auto* g) { g->deleteChannels(); }, "1:150 3:145",
         "Delete Channels, Close Gap"},
        {"up", 2, 2, [](auto* g) { g->moveChannel(-1); }, "1:140 2:150 3:160 5:145",
         "Move Channel Up"},
        {"down to an empty slot", 3, 3, [](auto* g) { g->moveChannel(1); },
         "1:150 2:140 4:160 5:145", "Move Channel Down"},
        {"sort", 1, 1, [](auto* g) { g->sortByRx(); }, "1:140 2:145 3:150 4:160",
         "Sort by RX Frequency"},
    };
    for (const Case& c : cases) {
        const rv::RadioData before = doc();
        auto* g = openGrid();
        g->selectRows(c.first, c.last);
        c.run(g);
        EXPECT_EQ(layout(), c.after) << c.name;
        EXPECT_EQ(ctx->undoStack().undoText(), c.undoText) << c.name;
        ctx->undoStack().undo();
        EXPECT_EQ(doc(), before) << c.name;
        EXPECT_FALSE(ctx->undoStack().canUndo()) << c.name;
        delete g;
    }
}

TEST_F(ChannelOperationsTest, SettingAColumnForSelectedRowsIsOneStep) {
    auto* g = openGrid();
    g->setCurrentCell(2, M::Power);
    choose(qobject_cast<QComboBox*>(g->openEditor()), "Low");
    g->setCurrentCell(2, M::Power);
    g->selectRows(2, 5);
    const int steps = ctx->undoStack().count();
    g->fillColumn();
    for (int n : {2, 3, 5})
        EXPECT_EQ(channel(n)->TxPower, 0) << n;
    EXPECT_EQ(channel(1)->TxPower, 1);
    EXPECT_EQ(channel(4), nullptr) << "an empty row stays empty";
    EXPECT_EQ(ctx->undoStack().count(), steps + 1);
    EXPECT_EQ(ctx->undoStack().undoText(), "Set TX Power of Selected Channels");
}

TEST_F(ChannelOperationsTest, InsertIsRefusedWhileChannel16IsInUse) {
    addChannel(16, "155");
    ctx->markSaved();
    const rv::RadioData before = doc();
    auto* g = openGrid();
    g->setCurrentCell(1, M::RxFreq);
    g->insertChannel();
    EXPECT_EQ(doc(), before);
    EXPECT_EQ(prompt->asked, QStringList{"Channel 16 is in use: no channel can move down to make "
                                         "room. Delete a channel first."});
}

} // namespace
