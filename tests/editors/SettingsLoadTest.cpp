#include "editors/EditorRegistry.h"
#include "editors/FrmOptFeatures.h"

#include "SettingsTestUtil.h"

#include <QSignalSpy>

using namespace rv::test;

namespace {

const char* const SettingsForms[] = {"FrmOptFeatures", "FrmKeyAssignm", "FrmScanInfo", "FrmDTMF",
                                     "FrmFleetSync",   "FrmTestFre",    "FrmEmbMsg"};

class SettingsLoadTest : public SettingsFixture {
protected:
    /// A document from a damaged file: every setting just outside what its list offers.
    void damage() {
        auto& d = ctx.doc();
        d.OptFeatures.TotTime = 0;
        d.OptFeatures.VoiceAnnunciation = 9;
        d.OptFeatures.PttIdMode = 5;
        d.OptFeatures.VoxDelay = -2;
        d.KeyFunc1 = 200;
        d.KeyFunc2 = -1;
        d.ScanInfo = {7, 40, 0, 92, 9, 999, -1};
        d.DtmfInfo.DtmfSpeed = 9;
        d.DtmfInfo.FirstDigitDelay = 12;
        d.DtmfInfo.GroupCode = 'E';
        d.DtmfCodeCount = 12;
        d.FleetSyncInfo = {0, 9000, 3, 7000, -5, 2};
        d.FleetCount = -3;
        d.TestFreCount = 40;
        d.TestFres[2].No = 99;
    }
};

TEST_F(SettingsLoadTest, OpeningAndLanguageSwitchStoreNothing) {
    for (bool damaged : {false, true}) {
        if (damaged) damage();
        const rv::RadioData before = ctx.doc();
        for (const char* name : SettingsForms) {
            QSignalSpy edited(&ctx, &rv::ui::AppContext::documentEdited);
            std::unique_ptr<rv::ui::ChildWindow> w(rv::editors::CreateEditorWindow(ctx, name));
            ASSERT_NE(w, nullptr) << name;
            w->setAttribute(Qt::WA_DeleteOnClose, false);
            EXPECT_EQ(w->objectName(), name);
            w->show();
            ctx.session.CurLanguage = rv::Chinese;
            w->changeShowByLanguage();
            ctx.session.CurLanguage = rv::English;
            w->changeShowByLanguage();
            w->reShow();
            w->hide();
            EXPECT_TRUE(ctx.doc() == before) << name << (damaged ? " (damaged)" : "");
            EXPECT_EQ(edited.count(), 0) << name;
        }
    }
}

TEST_F(SettingsLoadTest, EachCommitTellsTheOtherViewsOnce) {
    auto w = open<rv::editors::FrmOptFeatures>();
    QSignalSpy edited(&ctx, &rv::ui::AppContext::documentEdited);
    Choose(Box(w.get(), "Combo1_2"), "3");
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0][0].value<QObject*>(), w.get());
}

} // namespace
