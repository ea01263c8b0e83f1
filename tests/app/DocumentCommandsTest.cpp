#include "AppFixture.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "editors/ChannelTableModel.h"
#include "editors/ChannelTransaction.h"
#include "editors/frmCommChInfo.h"
#include "jobs/SafeWrite.h"
#include "link/AtomicFile.h"
#include "service/FrmRadioInfo.h"
#include "sim/SimRadioPty.h"
#include "ui/RadioPort.h"

#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include <functional>

using rv::test::AppTest;
using rv::ui::Answer;

namespace {

const QString Overwrite = QStringLiteral("file will be Overwrite,Continue?");
const QString Modified = QStringLiteral("File has been modify,save it now?");

/// The squelch level stored in a data file, or -1 when it cannot be read.
int SquelchIn(const QString& file) {
    rv::Session s;
    if (!rv::OpenDataFile(s, file.toStdString())) return -1;
    return s.Doc.OptFeatures.SquelchLevel;
}

} // namespace

class DocumentTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        start();
    }
    /// A data file with squelch level `level`, written outside the window.
    QString dataFile(const QString& name, int level) {
        rv::Session s;
        s.Doc = ctx->session.Doc;
        s.Doc.OptFeatures.SquelchLevel = static_cast<rv::Int16>(level);
        EXPECT_TRUE(rv::SaveDataFile(s, path(name).toStdString()));
        return path(name);
    }
    /// Opens a file while the document is unchanged.
    void openFile(const QString& file) {
        prompt->fileNames.push_back(file);
        main->mnuFileOpen_Click();
        ASSERT_EQ(QString::fromStdString(ctx->session.DocPath), file);
    }
};

TEST_F(DocumentTest, NewFromMenuAsksAndToolbarAsksOnlyAboutUnsavedChanges) {
    prompt->answers = {Answer::Cancel};
    act("mnuFileNew")->trigger();
    EXPECT_EQ(prompt->asked, QStringList{"All data will be cleared."});
    prompt->asked.clear();
    act("新建")->trigger();
    EXPECT_TRUE(prompt->asked.isEmpty());
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:new.dat][*]");
    EXPECT_EQ(openWindows(), QStringList{"frmCommChInfo"});
}

// Every command that replaces the document first commits the cell being typed, or refuses
// it with its rule and stops; then, with unsaved changes, it offers to save them after its
// own warning. Cancel keeps the document with the typed value.
TEST_F(DocumentTest, ReplacingCommandsCommitTheOpenEditorFirstThenAskAboutUnsavedChanges) {
    const QString file = dataFile("other.dat", 3);
    struct Command {
        const char* name;
        QString warning;
        std::function<void()> run;
        int squelchAfter;
    };
    const Command commands[] = {
        {"menu New", "All data will be cleared.\r\n", [&] { act("mnuFileNew")->trigger(); }, 5},
        {"toolbar New", "", [&] { act("新建")->trigger(); }, 5},
        {"Open", "",
         [&] {
             prompt->fileNames = {file};
             act("mnuFileOpen")->trigger();
         },
         3},
        {"band change", "Frequency data will be cleared.\r\n",
         [&] {
             if (main->readyToReplace(rv::Msg::FreqDataCleared)) main->LoadNewDoc();
         },
         5},
    };
    for (const Command& c : commands) {
        for (const Answer answer : {Answer::Cancel, Answer::No}) {
            modify();
            auto* grid =
                static_cast<rv::editors::frmCommChInfo*>(main->findWindow("frmCommChInfo"));
            grid->setCurrentCell(2, rv::editors::ChannelTableModel::RxFreq);
            grid->EnterGridEdit();
            qobject_cast<QLineEdit*>(grid->openEditor())->setText("446.5");
            prompt->asked.clear();
            prompt->answers = {answer};
            c.run();
            EXPECT_EQ(prompt->asked, QStringList{c.warning + Modified}) << c.name;
            EXPECT_EQ(rv::ChannelOf(ctx->doc(), 2) != nullptr, answer == Answer::Cancel) << c.name;
            EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel,
                      answer == Answer::No ? c.squelchAfter : 8)
                << c.name;
        }
        // A tone that names no entry is refused with its rule, and nothing else happens.
        auto* grid = static_cast<rv::editors::frmCommChInfo*>(main->findWindow("frmCommChInfo"));
        rv::SetChannelField(ctx->session, 1, rv::ChannelFieldKind::RxFreq, "446");
        modify();
        grid->setCurrentCell(1, rv::editors::ChannelTableModel::Dec);
        QTest::keyClicks(grid->openEditor(), "250.4");
        prompt->asked.clear();
        prompt->fileNames = {file};
        c.run();
        ASSERT_EQ(prompt->asked.size(), 1) << c.name << ": no question after the refusal";
        EXPECT_TRUE(prompt->asked.first().contains("\"250.4\"")) << c.name;
        EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8) << c.name;
        prompt->answers = {Answer::No};
        act("新建")->trigger();
    }
}

// Every door commits one step holding the settings it changed and named after them; undo and
// redo give back each document byte for byte, a damaged value and a coupled change included,
// and a radio-information read is a step of its own.
TEST_F(DocumentTest, UndoAndRedoGiveBackEveryDocumentExactly) {
    using M = rv::editors::ChannelTableModel;
    rv::SetChannelField(ctx->session, 2, rv::ChannelFieldKind::RxFreq, "446");
    ctx->doc().Channels[0].RxFreq.raw[2] = 'x';
    rv::SetChannelField(ctx->session, 3, rv::ChannelFieldKind::RxFreq, "447");
    rv::SetChannelField(ctx->session, 3, rv::ChannelFieldKind::RxCode, "D023N");
    rv::SetChannelField(ctx->session, 3, rv::ChannelFieldKind::BusyLockout, "QT/DQ");
    ctx->session.SavedCopy = ctx->doc();
    ctx->notifyReplaced();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    auto* grid = static_cast<rv::editors::frmCommChInfo*>(main->findWindow("frmCommChInfo"));
    const auto typeLine = [&](const char* text) {
        auto* line = main->showChildWindow("FrmEmbMsg")->findChild<QLineEdit*>("Text1_0");
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    };
    const auto typeCell = [&](int row, int column, const char* text) {
        main->showChildWindow("frmCommChInfo");
        grid->setCurrentCell(row, column);
        grid->EnterGridEdit();
        grid->openEditor()->setFocus();
        QTest::keyClicks(grid->openEditor(), text);
        grid->commitEdit();
    };
    struct Step {
        const char* door;
        std::function<void()> commit;
        const char* name;
        const char* keys;
    };
    const Step steps[] = {
        {"bound control", [&] { typeLine("HELLO"); }, "Line 1", "message.line1"},
        {"list window",
         [&] {
             QWidget* w = main->showChildWindow("FrmTestFre");
             auto* list = w->findChild<QTableWidget*>("MSFlexGrid1");
             list->setCurrentCell(6, 1);
             QTest::keyClicks(w->findChild<QLineEdit*>("Text1"), "446");
             list->setCurrentCell(15, 0);
         },
         "Channel 7 RX[MHz] (also changed: testfreq.7.tx (none) → 446.00000)",
         "testfreq.7.rx testfreq.7.tx"},
        {"damaged cell", [&] { typeCell(2, M::RxFreq, "446.1"); }, "Channel 2 RX Frequency",
         "channel.2.rx_frequency"},
        {"empty channel's cell", [&] { typeCell(5, M::RxFreq, "448"); }, "Channel 5 RX Frequency",
         "channel.5.rx_frequency channel.5.decode_tone …"},
        {"coupled cell", [&] { typeCell(3, M::Dec, "None"); },
         "Channel 3 QT/DQT Dec (also changed: channel.3.busy_lockout QT/DQ → Carrier, "
         "channel.3.sp_unmute QT/DQT → Carrier)",
         "channel.3.decode_tone channel.3.busy_lockout channel.3.sp_unmute"},
        {"paste",
         [&] {
             QApplication::clipboard()->setText("1\t446.5\t\tNone\t\tLow\tYes\tNone\tOff\tWide\n");
             main->showChildWindow("frmCommChInfo");
             grid->setCurrentCell(9, M::RxFreq);
             grid->pasteChannels();
         },
         "Paste Channels", "channel.9.rx_frequency channel.9.decode_tone …"},
        {"radio-information read",
         [&] {
             rv::Session radio = ctx->session;
             radio.Doc.SerialNumber.assign("A7654321");
             radio.Doc.FrequencyCode = 49;
             rv::service::TakeReadRadioInfo(*ctx, radio);
         },
         "Radio Information", "info.serial_number info.frequency_code"},
        {"edit after the read", [&] { typeLine("BYE"); }, "Line 1", "message.line1"},
    };
    std::vector<rv::RadioData> states{ctx->doc()};
    for (const Step& step : steps) {
        step.commit();
        states.push_back(ctx->doc());
        const QUndoStack& stack = ctx->undoStack();
        ASSERT_EQ(stack.count(), static_cast<int>(states.size()) - 1)
            << step.door << prompt->asked.join('|').toStdString();
        EXPECT_EQ(stack.undoText().toStdString(), step.name) << step.door;
        QStringList keys;
        for (const rv::Change& c :
             static_cast<const rv::ui::DocumentStep*>(stack.command(stack.index() - 1))->changes())
            keys << QString::fromStdString(c.key);
        // "…" ends the keys of a filled channel: its first ones are checked.
        const QString expected = QString::fromUtf8(step.keys);
        const bool first = expected.endsWith("…");
        EXPECT_EQ(keys.join(' ').left(first ? expected.size() - 1 : -1).toStdString(),
                  expected.chopped(first ? 1 : 0).toStdString())
            << step.door;
    }
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        act("mnuUndo")->trigger();
        EXPECT_EQ(ctx->doc(), states[i - 1]) << "undo of " << steps[i - 1].door;
    }
    EXPECT_FALSE(main->isModified());
    for (std::size_t i = 1; i < states.size(); ++i) {
        act("mnuRedo")->trigger();
        EXPECT_EQ(ctx->doc(), states[i]) << "redo of " << steps[i - 1].door;
    }
    EXPECT_EQ(act("mnuUndo")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(act("mnuRedo")->shortcuts(),
              (QList<QKeySequence>{Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}));

    // Saving marks the stack clean; undoing past it is unsaved again.
    prompt->fileNames = {path("saved.dat")};
    ASSERT_TRUE(main->mnuFileSaveAs_Click());
    EXPECT_FALSE(main->isModified());
    act("mnuUndo")->trigger();
    EXPECT_TRUE(main->isModified());
}

TEST_F(DocumentTest, ReplacingTheDocumentDropsTheChannelHistory) {
    const auto typeRx = [this](const QString& text) {
        rv::editors::ChannelTransaction t(*ctx, nullptr, nullptr);
        t.commit(1, rv::ChannelFieldKind::RxFreq, text);
    };
    const QString file = dataFile("other.dat", 3);
    for (const char* how : {"new", "open"}) {
        typeRx("446.5");
        typeRx("");
        ASSERT_EQ(ctx->doc().ChannelCount, 0);
        if (QByteArray(how) == "new") {
            main->LoadNewDoc();
        } else {
            prompt->fileNames.push_back(file);
            prompt->answers = {Answer::No};
            main->mnuFileOpen_Click();
        }
        auto* grid = static_cast<rv::editors::frmCommChInfo*>(main->findWindow("frmCommChInfo"));
        grid->undo();
        EXPECT_EQ(ctx->doc().ChannelCount, 0) << how << ": a channel of the old document came back";
    }
}

TEST_F(DocumentTest, OpenUnchangedDocumentAsksNothing) {
    const QString file = dataFile("a.dat", 3);
    openFile(file);
    EXPECT_TRUE(prompt->asked.isEmpty());
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 3);
    EXPECT_FALSE(ctx->session.IsNewFile);
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:a.dat][*]");
    EXPECT_EQ(openWindows(), QStringList{"frmCommChInfo"});
}

TEST_F(DocumentTest, OpenModifiedDocumentEveryAnswer) {
    const QString current = dataFile("current.dat", 2);
    const QString other = dataFile("other.dat", 7);

    // Cancel: no file dialog, nothing changes.
    openFile(current);
    modify();
    prompt->answers = {Answer::Cancel};
    main->mnuFileOpen_Click();
    EXPECT_EQ(prompt->asked, QStringList{Modified});
    EXPECT_EQ(prompt->dialogs.size(), 1);
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8);

    // No: the edits are dropped, the other file opens, the current file is untouched.
    prompt->answers = {Answer::No};
    prompt->fileNames = {other};
    main->mnuFileOpen_Click();
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 7);
    EXPECT_EQ(SquelchIn(current), 2);

    // Yes: the edits go to the current file, without the overwrite question, before the
    // open dialog is shown.
    modify();
    prompt->asked.clear();
    prompt->answers = {Answer::Yes};
    prompt->fileNames = {current};
    main->mnuFileOpen_Click();
    EXPECT_EQ(prompt->asked, QStringList{Modified});
    EXPECT_EQ(SquelchIn(other), 8);
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 2);
    EXPECT_TRUE(rv::IsUnchanged(ctx->session));
}

TEST_F(DocumentTest, OpenModifiedNewDocumentWithYesGoesThroughSaveAs) {
    const QString other = dataFile("other.dat", 7);
    modify();
    prompt->answers = {Answer::Yes};
    prompt->fileNames = {path("kept.dat"), other};
    main->mnuFileOpen_Click();
    EXPECT_EQ(prompt->dialogs.first(), "save:new.dat");
    EXPECT_EQ(SquelchIn(path("kept.dat")), 8);
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 7);

    // Cancelling that Save As cancels the open.
    modify();
    ctx->session.IsNewFile = true;
    prompt->answers = {Answer::Yes};
    prompt->fileNames = {QString()};
    const int dialogs = prompt->dialogs.size();
    main->mnuFileOpen_Click();
    EXPECT_EQ(prompt->dialogs.size(), dialogs + 1);
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8);
}

TEST_F(DocumentTest, CancelledOpenDialogChangesNothing) {
    modify();
    prompt->answers = {Answer::No};
    main->mnuFileOpen_Click();
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8);
    EXPECT_EQ(ctx->session.DocPath, "new.dat");
    EXPECT_EQ(openWindows(), QStringList{"frmCommChInfo"});
}

TEST_F(DocumentTest, FailedOpenLeavesTheDocumentAsItWas) {
    const QString good = dataFile("good.dat", 4);
    openFile(good);
    modify();
    QFile damaged(path("damaged.dat"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(100, '\x01'));
    damaged.close();
    const rv::RadioData before = ctx->doc();
    const QString title = main->windowTitle();
    main->showChildWindow("FrmEmbMsg");
    const QStringList windows = openWindows();
    ASSERT_EQ(windows.size(), 2);

    const std::pair<QString, QString> cases[] = {
        {path("damaged.dat"), "A data file holds exactly 1641 bytes; this file holds 100."},
        {path("missing.dat"), "The file does not exist."},
    };
    for (const auto& [bad, why] : cases) {
        prompt->asked.clear();
        prompt->answers = {Answer::No};
        prompt->fileNames = {bad};
        main->mnuFileOpen_Click();
        EXPECT_EQ(prompt->asked, (QStringList{Modified, "file error.\n" + why}));
        EXPECT_EQ(ctx->doc(), before);
        EXPECT_EQ(QString::fromStdString(ctx->session.DocPath), good);
        EXPECT_FALSE(ctx->session.IsNewFile);
        EXPECT_EQ(main->windowTitle(), title);
        EXPECT_EQ(openWindows(), windows);
    }
    EXPECT_FALSE(QFile::exists(path("missing.dat")));
}

TEST_F(DocumentTest, SaveOfNewDocumentGoesToSaveAsWithNewDatProposed) {
    modify();
    prompt->fileNames = {path("first")};
    act("mnuFileSave")->trigger();
    EXPECT_EQ(prompt->dialogs, QStringList{"save:new.dat"});
    EXPECT_TRUE(prompt->asked.isEmpty());
    EXPECT_EQ(SquelchIn(path("first.dat")), 8);
    EXPECT_FALSE(ctx->session.IsNewFile);
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:first.dat][*]");
}

TEST_F(DocumentTest, SaveOfOpenedFileAlwaysAsksOverwrite) {
    const QString file = dataFile("b.dat", 1);
    openFile(file);
    prompt->answers = {Answer::Cancel};
    act("保存")->trigger();
    EXPECT_EQ(prompt->asked, QStringList{"\"b.dat\"" + Overwrite});

    modify();
    prompt->answers = {Answer::Cancel};
    act("mnuFileSave")->trigger();
    EXPECT_EQ(SquelchIn(file), 1);

    prompt->answers = {Answer::Ok};
    act("mnuFileSave")->trigger();
    EXPECT_EQ(SquelchIn(file), 8);
    EXPECT_TRUE(rv::IsUnchanged(ctx->session));
}

TEST_F(DocumentTest, SaveAsFailureKeepsNameAndDocument) {
    modify();
    prompt->fileNames = {path("no/such/folder/c.dat")};
    EXPECT_FALSE(main->mnuFileSaveAs_Click());
    EXPECT_EQ(prompt->asked, QStringList{"file error.\nThe folder does not exist."});
    EXPECT_EQ(ctx->session.DocPath, "new.dat");
    EXPECT_TRUE(ctx->session.IsNewFile);
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 8);

    prompt->fileNames = {QString()};
    EXPECT_FALSE(main->mnuFileSaveAs_Click());
    EXPECT_EQ(ctx->session.DocPath, "new.dat");
}

TEST_F(DocumentTest, SaveAsProposesTheCurrentPath) {
    const QString file = dataFile("d.dat", 6);
    openFile(file);
    prompt->fileNames = {path("e.dat")};
    EXPECT_TRUE(main->mnuFileSaveAs_Click());
    EXPECT_EQ(prompt->dialogs.last(), "save:" + file);
    EXPECT_EQ(SquelchIn(path("e.dat")), 6);
    EXPECT_EQ(main->windowTitle(), "RV52N[7415:400 - 470 MHz][File Name:e.dat][*]");
}

// Exit asks only about unsaved changes: Cancel stays, No quits without saving, Yes saves first
// (a new document through Save As, whose cancel keeps the program open; a file in place).
TEST_F(DocumentTest, ExitAsksOnlyAboutUnsavedChangesAndFollowsTheAnswer) {
    const QString opened = dataFile("f.dat", 2);
    struct Case {
        const char* name;
        bool open, modified;
        Answer answer;
        QString saveAs; ///< what the Save As dialog gives, when it is expected
        bool quits;
        QString savedIn;
    };
    const Case cases[] = {
        {"unchanged", false, false, Answer::Cancel, {}, true, {}},
        {"Cancel", false, true, Answer::Cancel, {}, false, {}},
        {"No", false, true, Answer::No, {}, true, {}},
        {"Yes, Save As cancelled", false, true, Answer::Yes, "", false, {}},
        {"Yes, Save As", false, true, Answer::Yes, path("exit.dat"), true, path("exit.dat")},
        {"Yes on an opened file", true, true, Answer::Yes, {}, true, opened},
    };
    for (const Case& c : cases) {
        start();
        if (c.open) openFile(opened);
        main->show();
        if (c.modified) modify();
        prompt->answers = {c.answer};
        prompt->fileNames = {c.saveAs};
        prompt->dialogs.clear();
        act("mnuFileExit")->trigger();
        EXPECT_EQ(main->isVisible(), !c.quits) << c.name;
        EXPECT_EQ(prompt->asked, c.modified ? QStringList{Modified} : QStringList{}) << c.name;
        EXPECT_EQ(prompt->dialogs.size(), c.saveAs.isNull() ? 0 : 1) << c.name;
        EXPECT_EQ(c.savedIn.isEmpty() ? 8 : SquelchIn(c.savedIn), 8) << c.name;
    }
}

/// Fixture with a control in the channel window that commits its value when it loses the
/// focus, as the editors' cells do, holding a typed value.
class PendingEditTest : public DocumentTest {
protected:
    void SetUp() override {
        DocumentTest::SetUp();
        QWidget* channels = main->findWindow("frmCommChInfo");
        ASSERT_NE(channels, nullptr);
        auto* cell = new QLineEdit(channels);
        QObject::connect(cell, &QLineEdit::editingFinished, cell, [this, cell] {
            ctx->doc().OptFeatures.SquelchLevel = static_cast<rv::Int16>(cell->text().toInt());
        });
        main->show();
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
        cell->show();
        cell->setFocus();
        ASSERT_TRUE(cell->hasFocus());
        cell->setText("7");
    }
};

TEST_F(PendingEditTest, ToolbarNewCommitsTheTypingAndOffersToSaveIt) {
    prompt->answers = {Answer::Cancel};
    act("新建")->trigger();
    EXPECT_EQ(prompt->asked, QStringList{Modified});
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 7);
    prompt->answers = {Answer::No};
    act("新建")->trigger();
    EXPECT_TRUE(rv::IsUnchanged(ctx->session));
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 5);
}

TEST_F(PendingEditTest, EditStillBeingTypedCountsWhenClosing) {
    prompt->answers = {Answer::Cancel};
    EXPECT_FALSE(main->close());
    EXPECT_EQ(prompt->asked, QStringList{Modified});
    EXPECT_EQ(ctx->doc().OptFeatures.SquelchLevel, 7);
}

// A read gives the radio's document and nothing of the one before: the typed cell is
// committed to the old document, never written into the new one, and the read document is
// unsaved whatever came before it.
TEST_F(DocumentTest, ReadFromRadioGivesExactlyTheRadiosDocumentUnsaved) {
    auto* sim = rv::ui::ServiceSimRadio(false);
    ASSERT_NE(sim, nullptr);
    sim->withRadio([](rv::sim::SimRadio& r) {
        r.faults() = {};
        r.memory() = rv::sim::DemoRadioMemory();
    });
    ctx->CommPort = 0;
    rv::Session expected = ctx->session;
    rv::jobs::TakeReadImage(expected, rv::sim::DemoRadioMemory());
    ASSERT_GT(expected.Doc.ChannelCount, 0);
    // A document of another model, with a test frequency the radio does not have.
    ctx->session.CurModelCode = "592";
    ctx->session.CurBand = "450 - 520 MHz";
    rv::InitRadioData(ctx->session);
    ctx->doc().TestFres[15].RxFreq.set("45000000");
    ctx->notifyReplaced();

    for (const char* typed : {"", "450.00000"}) {
        auto* grid = static_cast<rv::editors::frmCommChInfo*>(main->findWindow("frmCommChInfo"));
        ASSERT_NE(grid, nullptr);
        grid->setCurrentCell(1, rv::editors::ChannelTableModel::RxFreq);
        grid->EnterGridEdit();
        auto* box = qobject_cast<QLineEdit*>(grid->openEditor());
        ASSERT_NE(box, nullptr);
        box->setText(QString::fromUtf8(typed));
        // What was read before is not saved: it is discarded; then the read is confirmed.
        prompt->answers =
            main->isModified() ? std::deque{Answer::No, Answer::Ok} : std::deque{Answer::Ok};
        act("ReadRadio")->trigger();
        EXPECT_EQ(ctx->doc(), expected.Doc) << "typed: " << typed;
        EXPECT_EQ(ctx->session.DocPath, "new.dat");
        EXPECT_TRUE(main->isWindowModified()) << "typed: " << typed;
    }
}

// Ctrl+Z in a text box takes back the box's own typing first and then the document's last
// step; what a commit took is never undone by the box. In the channel dialog the keys reach
// the one Edit menu action from a drop-down box as well.
TEST_F(DocumentTest, UndoKeysTakeTheBoxsTypingFirstThenTheDocument) {
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    auto* line = main->showChildWindow("FrmEmbMsg")->findChild<QLineEdit*>("Text1_0");
    line->setFocus();
    const auto ctrl = [&](QWidget* w, Qt::Key k) { QTest::keyClick(w, k, Qt::ControlModifier); };
    QTest::keyClicks(line, "AB");
    QTest::keyClick(line, Qt::Key_Return);
    QTest::keyClicks(line, "C");
    ctrl(line, Qt::Key_Z);
    EXPECT_EQ(line->text() + "|" + ctx->doc().EmbMsg1.get().c_str(), "AB|AB") << "typing first";
    ctrl(line, Qt::Key_Z);
    QTest::keyClick(line, Qt::Key_Tab); // leaving the box makes no new step
    EXPECT_EQ(line->text() + "|" + ctx->doc().EmbMsg1.get().c_str(), "|") << "then the document";
    ctrl(line, Qt::Key_Y);
    EXPECT_EQ(ctx->doc().EmbMsg1.get(), "AB");

    auto* power = main->showChildWindow("FrmCHInfoEdit")->findChild<QComboBox*>("Combo2_4");
    rv::editors::ChannelTransaction(*ctx, nullptr, nullptr)
        .commit(1, rv::ChannelFieldKind::RxFreq, "446");
    power->setFocus();
    ctrl(power, Qt::Key_Z);
    EXPECT_EQ(rv::ChannelOf(ctx->doc(), 1), nullptr) << "no ambiguous shortcut in the dialog";
}
