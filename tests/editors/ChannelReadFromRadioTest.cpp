#include "ChannelFixture.h"

#include "editors/ChannelTableModel.h"
#include "link/CloneSession.h"
#include "sim/SimRadioPty.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>

#include <set>

namespace {

using M = rv::editors::ChannelTableModel;
using rv::test::ChannelFixture;

class ChannelReadFromRadioTest : public ChannelFixture {
protected:
    // Reads the simulated radio's memory into the document over a pseudo-terminal.
    bool readRadio() {
        rv::sim::SimRadioPty sim;
        std::string error;
        if (!sim.start(false, &error)) {
            ADD_FAILURE() << error;
            return false;
        }
        rv::link::CloneSession clone(session());
        QEventLoop loop;
        bool ok = false;
        QObject::connect(&clone, &rv::link::CloneSession::finished, &loop,
                         [&](bool success, const QString&) {
                             ok = success;
                             loop.quit();
                         });
        QString message;
        if (!clone.start(1, QString::fromStdString(sim.devicePath()), &message)) {
            ADD_FAILURE() << message.toStdString();
            return false;
        }
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        return ok;
    }
};

// After a read the grid shows the radio's channels in their own rows and nothing else;
// with RV_SCREENSHOT_DIR set it also leaves a picture of the grid in both languages there.
TEST_F(ChannelReadFromRadioTest, GridShowsTheChannelsReadFromTheRadio) {
    ASSERT_TRUE(readRadio());
    ASSERT_GT(doc().ChannelCount, 0);
    auto* g = openGrid();
    std::set<int> inDocument;
    for (int i = 0; i < doc().ChannelCount; ++i)
        inDocument.insert(doc().Channels[i].ChNo);
    for (int row = 1; row <= 16; ++row) {
        EXPECT_EQ(!cell(g, row, M::RxFreq).isEmpty(), inDocument.count(row) == 1) << "row " << row;
        EXPECT_EQ(cell(g, row, M::Power).isEmpty(), inDocument.count(row) == 0) << "row " << row;
    }
    EXPECT_TRUE(prompt->asked.isEmpty()) << prompt->asked.join('\n').toStdString();

    const QString dir = qEnvironmentVariable("RV_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    QTest::qWait(50);
    EXPECT_TRUE(g->grab().save(dir + "/channels-en.png"));
    session().CurLanguage = rv::Chinese;
    g->changeShowByLanguage();
    QTest::qWait(50);
    EXPECT_TRUE(g->grab().save(dir + "/channels-zh.png"));
}

} // namespace
