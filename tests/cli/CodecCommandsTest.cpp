#include "cli/Commands.h"
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/Version.h"
#include "link/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <functional>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

using rvtest::CliRun;

class CodecCommands : public testing::Test {
protected:
    CliRun cli(const QStringList& args, const QString& lang = "C.UTF-8") {
        return rvtest::RunCli(args, lang);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray bytes(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QJsonObject json(const QString& name) {
        const CliRun r = cli({"show", "--json", path(name)});
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        QJsonParseError error;
        const auto doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
        return doc.object();
    }
    // A document with two channels stored out of channel order.
    void writeSample(const QString& name, const std::function<void(rv::Session&)>& edit = {}) {
        rv::Session s;
        s.CurModelCode = "582";
        s.CurBand = "136 - 174 MHz";
        rv::SetBandLimits(s);
        rv::LoadDqtTable(s, RV_BIN_DIR "/dec.tbl");
        rv::InitRadioData(s, "20260102");
        rv::ChannelInfo a = rv::NewChannel(5);
        a.RxFreq.set("14652500");
        a.RxCode.set("029E");
        a.TxCode.set("2813");
        rv::ChannelInfo b = rv::NewChannel(2);
        b.RxFreq.set("1551");
        b.TxFreq.set("15515");
        b.TxPower = 0;
        b.WideNarrow = 0;
        s.Doc.Channels[0] = a;
        s.Doc.Channels[1] = b;
        s.Doc.ChannelCount = 2;
        s.Doc.DtmfCodes[0].No = 4;
        s.Doc.DtmfCodes[0].Code.set("12*#");
        s.Doc.DtmfCodeCount = 1;
        s.Doc.EmbMsg1.set("HELLO \"RADIO\"");
        if (edit) edit(s);
        ASSERT_TRUE(rv::SaveDataFile(s, path(name).toStdString()));
    }

    QTemporaryDir dir;
};

TEST_F(CodecCommands, NewWritesDefaultDocument) {
    const CliRun r = cli({"new", "-o", path("n.dat")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(bytes("n.dat").size(), 1641);
    const QJsonObject j = json("n.dat");
    EXPECT_EQ(j["ModelInfo"].toObject()["ModelCode"].toString(), "7415");
    EXPECT_EQ(j["ModelInfo"].toObject()["BandCode"].toInt(), 65);
    EXPECT_EQ(j["ChannelCount"].toInt(), 0);
    EXPECT_TRUE(j["Channels"].toArray().isEmpty());
    EXPECT_EQ(j["TestFres"].toArray().size(), 6);
    EXPECT_EQ(j["OptFeatures"].toObject()["PttIdBot"].toString(), "12345");
    EXPECT_EQ(j["OptFeatures"].toObject()["PttIdEot"].toString(), "");
    EXPECT_EQ(j["FleetSyncInfo"].toObject()["TxModDelay"].toInt(), 400);
    EXPECT_EQ(j["DtmfInfo"].toObject()["IdCode"].toString(), "000");
    EXPECT_EQ(j["Version"].toString(), "V1.00");
}

TEST_F(CodecCommands, NewWithModelAndBand) {
    struct Case {
        QStringList extra;
        const char* model;
        int band;
        int byte;
    };
    const Case cases[] = {
        {{"--model", "582", "--band", "245 - 246 MHz"}, "582", 0, 249},
        {{"--model", "592", "--band", "450 - 520 MHz"}, "592", 48, 248},
        {{"--model", "6415"}, "6415", 99, 248}, // first band of the model
    };
    for (const auto& c : cases) {
        const CliRun r = cli(QStringList{"new", "-o", path("m.dat")} + c.extra);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QJsonObject m = json("m.dat")["ModelInfo"].toObject();
        EXPECT_EQ(m["ModelCode"].toString(), c.model);
        EXPECT_EQ(m["BandCode"].toInt(), c.band) << c.model;
        EXPECT_EQ(m["ModelByte"].toInt(), c.byte);
    }
}

TEST_F(CodecCommands, BadArgumentsFailWithoutOutput) {
    struct Case {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"new", "-o", path("x.dat"), "--model", "999"}, "unknown model"},
        {{"new", "-o", path("x.dat"), "--model", "582", "--band", "400 - 470 MHz"}, "no band"},
        {{"new"}, "usage"},
        {{"new", "-o"}, "needs a value"},
        {{"show", path("missing.dat")}, "file error."},
        {{"show", path("x.dat"), "--lang", "fr"}, "--lang"},
        {{"encode", path("missing.dat"), "-o", path("x.dat")}, "file error."},
        {{"decode", path("missing.img"), "-o", path("x.dat")}, "file error."},
        {{"frobnicate"}, "unknown command"},
    };
    for (const auto& c : cases) {
        const CliRun r = cli(c.args);
        EXPECT_NE(r.status, 0) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_FALSE(QFile::exists(path("x.dat")));
    }
}

TEST_F(CodecCommands, ShowJsonListsUsedEntriesInArrayOrder) {
    writeSample("s.dat");
    const QJsonObject j = json("s.dat");
    const QJsonArray ch = j["Channels"].toArray();
    ASSERT_EQ(ch.size(), 2);
    EXPECT_EQ(ch[0].toObject()["ChNo"].toInt(), 5);
    EXPECT_EQ(ch[0].toObject()["RxFreq"].toString(), "14652500");
    EXPECT_EQ(ch[0].toObject()["TxFreq"].toString(), "FFFFFFFF");
    EXPECT_EQ(ch[0].toObject()["RxCode"].toString(), "029E");
    EXPECT_TRUE(ch[0].toObject()["TxPower"].isDouble());
    EXPECT_EQ(ch[1].toObject()["ChNo"].toInt(), 2);
    EXPECT_EQ(ch[1].toObject()["RxFreq"].toString(), "1551");
    EXPECT_EQ(ch[1].toObject().keys().size(), 18);
    EXPECT_EQ(j["DtmfCodes"].toArray().size(), 1);
    EXPECT_EQ(j["DtmfCodes"].toArray()[0].toObject()["Code"].toString(), "12*#");
    EXPECT_EQ(j["EmbMsg1"].toString(), "HELLO \"RADIO\"");
    EXPECT_TRUE(j["Fleets"].toArray().isEmpty());
    const QStringList members{"ChannelCount", "Channels",      "ModelInfo",     "SerialNumber",
                              "Version",      "ModelType",     "FrequencyCode", "TypeLetter",
                              "OptFeatures",  "KeyFunc1",      "KeyFunc2",      "ScanInfo",
                              "DtmfInfo",     "FleetSyncInfo", "DtmfCodeCount", "DtmfCodes",
                              "TestFreCount", "TestFres",      "EmbMsg1",       "EmbMsg2",
                              "FleetCount",   "Fleets"};
    for (const QString& m : members)
        EXPECT_TRUE(j.contains(m)) << m.toStdString();
    EXPECT_EQ(j.keys().size(), members.size());
}

TEST_F(CodecCommands, ShowTextInBothLanguages) {
    writeSample("s.dat");
    const CliRun en = cli({"show", path("s.dat"), "--lang", "en"});
    ASSERT_EQ(en.status, 0) << en.err.toStdString();
    const QStringList lines = en.out.split('\n');
    ASSERT_GT(lines.size(), 17);
    EXPECT_TRUE(lines[0].startsWith("CH No."));
    EXPECT_TRUE(lines[2].contains("155.10000") && lines[2].contains("155.15000"));
    EXPECT_TRUE(lines[2].contains("Low") && lines[2].contains("Narrow"));
    EXPECT_TRUE(lines[5].contains("146.52500") && lines[5].contains("67.0"));
    EXPECT_TRUE(!lines[5].contains("D023N") && lines[5].contains("High")); // no TX, no encode
    EXPECT_TRUE(lines[5].contains("Wide"));
    EXPECT_EQ(lines[16].trimmed(), "16");
    EXPECT_TRUE(
        en.out.contains("[Model Information]\nModel Type: 582\nFrequency: 136 - 174 MHz\n"));
    EXPECT_TRUE(en.out.contains("Beep: On"));

    const CliRun zh = cli({"show", path("s.dat"), "--lang", "zh"});
    ASSERT_EQ(zh.status, 0);
    EXPECT_TRUE(zh.out.startsWith(QString::fromUtf8("信道")));
    EXPECT_TRUE(zh.out.contains(QString::fromUtf8("高")));
    EXPECT_TRUE(zh.out.contains(QString::fromUtf8("窄带")));
}

TEST_F(CodecCommands, ShowPrintsSettingsAsTheirWindowsShowThem) {
    writeSample("s.dat", [](rv::Session& s) {
        s.Doc.KeyFunc1 = 4;
        s.Doc.KeyFunc2 = 255;
        s.Doc.ScanInfo.RevertChannel = 3;
        s.Doc.DtmfInfo.GroupCode = '#';
        s.Doc.DtmfInfo.CallAlert = 9; // outside its list: a damaged file
        s.Doc.FleetSyncInfo.OwnFleet = 255;
        s.Doc.Fleets[0] = {1, 0, 4000};
        s.Doc.Fleets[1] = {2, 250, 4001}; // the ID beyond its numbers
        s.Doc.FleetCount = 2;
    });
    struct Case {
        const char* lang;
        std::vector<const char*> lines;
    };
    const Case cases[] = {
        {"en",
         {"PF1: Monitor", "PF2: None", "Revert Channel: Priority+Talk Back", "Group Code: #",
          "Call Alert: 9", "Fleet(Own):", "ID(Own):", "Fleet List 1 Fleet: All",
          "Fleet List 1 ID: 4999", "FleetSync Baud Rate[bps]: 1200", "Type Letter: C",
          "Version: 1.00"}},
        {"zh",
         {"PF1: 监听", "PF2: 无", "返回信道: 优先+当前通话", "组呼码: #", "呼叫告警: 9",
          "队列（自身）:", "队列表 1 队列: 所有", "队列表 1 ID: 4999"}},
    };
    for (const Case& c : cases) {
        const CliRun r = cli({"show", path("s.dat"), "--lang", c.lang});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QStringList lines = r.out.split('\n');
        for (const char* line : c.lines)
            EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << c.lang << ": " << line;
    }
}

TEST_F(CodecCommands, LanguageFollowsTheLocale) {
    writeSample("s.dat");
    const QString chinese = QString::fromUtf8("信道");
    EXPECT_TRUE(cli({"show", path("s.dat")}, "zh_CN.UTF-8").out.startsWith(chinese));
    EXPECT_TRUE(cli({"show", path("s.dat")}, "zh_TW.UTF-8").out.startsWith("CH No."));
    EXPECT_TRUE(
        cli({"show", path("s.dat"), "--lang", "en"}, "zh_CN.UTF-8").out.startsWith("CH No."));
}

TEST_F(CodecCommands, EncodeDecodeRoundTrip) {
    writeSample("s.dat");
    CliRun r = cli({"encode", path("s.dat"), "-o", path("s.img")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QByteArray image = bytes("s.img");
    ASSERT_EQ(image.size(), 1024);
    EXPECT_EQ(image.mid(440, 5), "P5617");
    EXPECT_EQ(static_cast<unsigned char>(image[446]), 249);

    r = cli({"decode", path("s.img"), "-o", path("d.dat")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(bytes("d.dat").size(), 1641);
    const QJsonObject j = json("d.dat");
    const QJsonArray ch = j["Channels"].toArray();
    ASSERT_EQ(ch.size(), 2);
    EXPECT_EQ(ch[0].toObject()["ChNo"].toInt(), 2); // ascending after a read
    EXPECT_EQ(ch[0].toObject()["RxFreq"].toString(), "15510000");
    EXPECT_EQ(ch[1].toObject()["TxCode"].toString(), "2813");
    EXPECT_EQ(j["ModelInfo"].toObject()["ModelCode"].toString(), "582");
    EXPECT_EQ(j["DtmfCodes"].toArray()[0].toObject()["No"].toInt(), 4);

    // Encoding the decoded document gives the same image.
    ASSERT_EQ(cli({"encode", path("d.dat"), "-o", path("d.img")}).status, 0);
    EXPECT_EQ(bytes("d.img"), image);
}

TEST_F(CodecCommands, RefusedInputLeavesExistingOutputAlone) {
    // A damaged frequency text cannot be encoded.
    writeSample("s.dat");
    QFile f(path("s.dat"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(2 + 4);
    f.write("14X5");
    f.close();
    QFile old(path("out.img"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();

    CliRun r = cli({"encode", path("s.dat"), "-o", path("out.img")});
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.err.contains("RxFreq")) << r.err.toStdString();
    EXPECT_EQ(bytes("out.img"), "previous");

    // An image of the wrong size is refused as well.
    QFile img(path("short.img"));
    ASSERT_TRUE(img.open(QIODevice::WriteOnly));
    img.write(QByteArray(1000, '\xff'));
    img.close();
    r = cli({"decode", path("short.img"), "-o", path("out.img")});
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.err.contains("1024")) << r.err.toStdString();
    EXPECT_EQ(bytes("out.img"), "previous");

    r = cli({"new", "-o", path("no/such/folder/n.dat")});
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.err.contains("file error.\nThe folder does not exist.")) << r.err.toStdString();
    // A read-only file is not replaced; the reason comes in the user's language.
    QFile::setPermissions(path("out.img"), QFileDevice::ReadOwner);
    r = cli({"new", "-o", path("out.img"), "--lang", "zh"});
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.err.contains("文件错误。\n该文件是只读的。")) << r.err.toStdString();
    EXPECT_EQ(bytes("out.img"), "previous");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3); // nothing half-written
}

} // namespace

namespace {

TEST_F(CodecCommands, DamagedInputIsShownWithWarnings) {
    // Stored frequencies that are not numbers show as the band edge, with one warning that
    // names them all.
    writeSample("s.dat", [](rv::Session& s) {
        s.Doc.Channels[0].RxFreq.set("14G5");
        s.Doc.Channels[1].TxFreq.set("1X");
    });
    const CliRun shown = cli({"show", path("s.dat")});
    EXPECT_EQ(shown.status, 0);
    EXPECT_TRUE(shown.out.split('\n')[5].contains(" 136 ")) << shown.out.toStdString();
    EXPECT_EQ(shown.err.count("Not IsNumeric"), 1) << shown.err.toStdString();
    EXPECT_TRUE(shown.err.contains("channel 5 RX frequency, channel 2 TX frequency."))
        << shown.err.toStdString();
    const CliRun zh = cli({"show", path("s.dat"), "--lang", "zh"});
    EXPECT_TRUE(zh.err.contains("信道 5 接收频率，信道 2 发射频率。")) << zh.err.toStdString();

    // Bytes above 127 in a text are Latin-1 characters for the text and the JSON alike;
    // control characters never reach the terminal.
    writeSample("t.dat", [](rv::Session& s) { s.Doc.EmbMsg1.set("CAF\xC9 \x1B[2J\x85"); });
    const CliRun text = cli({"show", path("t.dat")});
    EXPECT_TRUE(
        text.out.contains(QString::fromUtf8("[Embedded Message]\nLine 1: CAFÉ \uFFFD[2J\uFFFD\n")))
        << text.out.toStdString();
    EXPECT_EQ(json("t.dat")["EmbMsg1"].toString(), QString::fromUtf8("CAFÉ \x1B[2J\u0085"));

    // An image naming a model/band pair no model offers is taken as a read takes it: the
    // program keeps the default model and says so in the user's language, and the document
    // keeps the pair the image holds, so encoding it gives the radio back its own bytes.
    QByteArray image(1024, '\xff');
    image[445] = 83;
    image[446] = static_cast<char>(249);
    QFile img(path("odd.img"));
    ASSERT_TRUE(img.open(QIODevice::WriteOnly));
    img.write(image);
    img.close();
    for (const auto& [lang, warning] :
         {std::pair{"en", "keeps 7415"}, {"zh", "不属于任何已知机型；文档保留 7415"}}) {
        const CliRun decoded =
            cli({"decode", path("odd.img"), "-o", path("odd.dat"), "--lang", lang});
        EXPECT_EQ(decoded.status, 0);
        EXPECT_TRUE(decoded.err.contains(QString::fromUtf8(warning))) << decoded.err.toStdString();
    }
    const QJsonObject info = json("odd.dat")["ModelInfo"].toObject();
    EXPECT_EQ(info["BandCode"].toInt(), 83);
    EXPECT_EQ(info["ModelByte"].toInt(), 249);
}

} // namespace

namespace {

// The words the shell completion asks for: every command of the table, a command's options
// with those taking a value marked, the ports; nonsense is a usage error.
TEST_F(CodecCommands, CompletionWordsComeFromTheCommandTable) {
    const CliRun commands = cli({"--completion-words"});
    EXPECT_EQ(commands.status, 0);
    EXPECT_EQ(commands.out.split('\n', Qt::SkipEmptyParts).size(),
              static_cast<qsizetype>(rv::cli::CommandTable().size()));
    const QStringList write = cli({"--completion-words", "write"}).out.split('\n');
    for (const char* word : {"--force", "--port=", "--retries=", "--lang=", "--help"})
        EXPECT_TRUE(write.contains(word)) << word;
    EXPECT_TRUE(cli({"--completion-words", "--port"}).out.startsWith("sim\n"));
    EXPECT_EQ(cli({"--completion-words", "nonsense"}).status, 2);
    EXPECT_EQ(cli({"--version"}).out, QString("rv52n-cli %1\n").arg(rv::Version));
}

} // namespace
