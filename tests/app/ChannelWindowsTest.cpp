// The channel grid and its edit dialog inside the main window's document area.
#include "AppFixture.h"

#include "app/FrmImportCsv.h"
#include "editors/frmCommChInfo.h"

#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using rv::test::AppTest;

namespace {

class ChannelWindowsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        start();
        main->resize(1600, 1000);
        main->show();
    }
    QWidget* window(const char* name) const { return main->findWindow(QString::fromLatin1(name)); }
    void click(QWidget* w, const char* button) {
        auto* b = w->findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
};

TEST_F(ChannelWindowsTest, CloseButtonsTakeTheirFrameAlong) {
    click(window("frmCommChInfo"), "CommandCHInfoEdit");
    ASSERT_NE(window("FrmCHInfoEdit"), nullptr);
    for (const char* name : {"FrmCHInfoEdit", "frmCommChInfo"}) {
        click(window(name), "CommandClose");
        QTest::qWait(0); // the frame goes with the deferred deletion
        EXPECT_EQ(window(name), nullptr) << name;
    }
    EXPECT_TRUE(main->mdiArea()->subWindowList().isEmpty()) << "an empty frame stayed";
    main->showChildWindow("frmCommChInfo");
    EXPECT_EQ(main->mdiArea()->subWindowList().size(), 1);
}

TEST_F(ChannelWindowsTest, EditDialogOpensBesideTheGrid) {
    QWidget* grid = window("frmCommChInfo");
    click(grid, "CommandCHInfoEdit");
    QWidget* dialog = window("FrmCHInfoEdit");
    ASSERT_NE(dialog, nullptr);
    const QRect g = grid->parentWidget()->geometry();
    const QRect d = dialog->parentWidget()->geometry();
    EXPECT_FALSE(g.intersects(d)) << "grid " << g.x() << "+" << g.width() << ", dialog " << d.x()
                                  << "+" << d.width();
    EXPECT_EQ(d.top(), g.top());
}

} // namespace

namespace {

// Rows of a channel file pasted into the grid are not read as grid rows (the name landed
// in RX): they go to the import preview, and only its OK changes the document.
TEST_F(ChannelWindowsTest, PastedRowsOfAChannelFileGoToTheImportPreview) {
    QApplication::clipboard()->setText("Location\tName\tFrequency\tMode\tPower\n"
                                       "1\tA\t446.00625\tNFM\tLow\n");
    auto* grid = static_cast<rv::editors::frmCommChInfo*>(window("frmCommChInfo"));
    for (const bool ok : {false, true}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<rv::app::FrmImportCsv*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            seen = true;
            d->findChild<QPushButton*>(ok ? "Command1" : "Command2")->click();
        });
        grid->pasteChannels();
        EXPECT_TRUE(seen);
        EXPECT_EQ(ctx->doc().ChannelCount, ok ? 1 : 0);
    }
    EXPECT_EQ(rv::ChannelOf(ctx->doc(), 1)->RxFreq.get(), "44600625");
    EXPECT_EQ(rv::ChannelOf(ctx->doc(), 1)->TxPower, 0);
    EXPECT_TRUE(prompt->asked.isEmpty());
}

} // namespace
