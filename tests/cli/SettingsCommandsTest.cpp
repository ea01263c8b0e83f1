#include "data/Catalogue.h"
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

namespace {

using rv::RowKind;
using rvtest::RunCli;

class SettingsCommands : public testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray bytes(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A new file whose first channel, fleet slot and test frequencies are all in use, so
    // that every key of them can take a value; made with `set` itself.
    void makeBase() {
        ASSERT_EQ(RunCli({"new", "-o", path("a.dat")}).status, 0);
        const auto r = RunCli({"set", path("a.dat"), "channel.1.rx_frequency=440",
                               "channel.1.tx_frequency=440", "channel.1.decode_tone=67.0",
                               "channel.1.opt_signal=DTMF", "fleetsync.own_fleet=120",
                               "fleet.1.fleet=120", "testfreq.1.rx=440", "autodial.1.code=12"});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        base.Doc = rv::RadioData{};
        rv::LoadDqtTable(base, RV_BIN_DIR "/dec.tbl");
        ASSERT_TRUE(rv::OpenDataFile(base, path("a.dat").toStdString()));
    }
    QTemporaryDir dir;
    rv::Session base;
};

// A value the row takes that differs from the base file's, in the form `get` prints.
std::string NewValue(const rv::Session& base, const rv::SettingRow& r) {
    std::vector<std::string> candidates;
    if (r.kind == RowKind::Choice)
        for (auto c = r.choices.rbegin(); c != r.choices.rend(); ++c)
            candidates.push_back(c->text[1]);
    if (r.kind == RowKind::Flag) candidates = {"On", "Off"};
    if (r.kind == RowKind::Text)
        candidates = {std::string(std::size_t(std::max(r.minWidth, 4)),
                                  r.allowed.empty() ? 'Q' : r.allowed[1])};
    if (r.kind == RowKind::Number)
        candidates = r.unit == "MHz"
                         ? std::vector<std::string>{"446.50000"}
                         : std::vector<std::string>{std::to_string(r.high * r.scale + r.offset),
                                                    std::to_string(r.low * r.scale + r.offset)};
    for (const std::string& c : candidates) {
        rv::Session s = base;
        if (c != rv::textOf(base, r.key) && !rv::setFromText(s, r.key, c)) return c;
    }
    return {};
}

// For the settings windows' keys and the first slot of every list: `set` then `diff`
// shows the one change under the key's label, and `get` reads the value back.
TEST_F(SettingsCommands, SetChangesOneSettingThatDiffShowsUnderItsLabel) {
    makeBase();
    const auto keys = QJsonDocument::fromJson(RunCli({"keys", "--json"}).out.toUtf8()).array();
    ASSERT_EQ(keys.size(), int(rv::Catalogue().size()));
    int checked = 0;
    for (const auto& k : keys) {
        const std::string key = k.toObject()["key"].toString().toStdString();
        const rv::SettingRow* row = rv::findRow(key);
        ASSERT_TRUE(row) << key;
        const auto dot = key.find('.');
        const bool otherSlot =
            key.find('.', dot + 1) != std::string::npos && key.compare(dot, 3, ".1.") != 0;
        if (row->readOnly || otherSlot) continue;
        SCOPED_TRACE(key);
        const std::string value = NewValue(base, *row);
        ASSERT_FALSE(value.empty());
        const QString assignment = QString::fromStdString(key + "=" + value);
        ASSERT_EQ(RunCli({"set", path("a.dat"), assignment, "-o", path("b.dat")}).status, 0);
        const auto diff = RunCli({"diff", path("a.dat"), path("b.dat")});
        EXPECT_EQ(diff.status, 1);
        const QStringList lines = diff.out.split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 1) << diff.out.toStdString();
        EXPECT_TRUE(
            lines[0].contains(QString::fromStdString("  " + rv::LabelOf(*row, rv::English) + "  ")))
            << lines[0].toStdString();
        EXPECT_EQ(RunCli({"get", path("b.dat"), QString::fromStdString(key)}).out,
                  QString::fromStdString(key + " = " + value + "\n"));
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

// `keys --json` and `get --json` are valid UTF-8 JSON in both languages, and the bounds a
// script reads from `keys` are the ones `set` keeps: min and max taken, one step beyond refused.
TEST_F(SettingsCommands, JsonIsValidInBothLanguagesAndKeysGiveTheBoundsSetKeeps) {
    makeBase();
    for (const QString lang : {"en", "zh"}) {
        const int language = lang == "zh" ? rv::Chinese : rv::English;
        for (const QStringList& command :
             {QStringList{"keys"}, QStringList{"get", path("a.dat")}}) {
            SCOPED_TRACE((command[0] + " " + lang).toStdString());
            QJsonParseError error;
            const auto rows =
                QJsonDocument::fromJson(
                    RunCli(command + QStringList{"--json", "--lang", lang}).out.toUtf8(), &error)
                    .array();
            ASSERT_EQ(error.error, QJsonParseError::NoError);
            ASSERT_EQ(rows.size(), int(rv::Catalogue().size()));
            for (const auto& k : rows) {
                const QJsonObject o = k.toObject();
                const rv::SettingRow* row = rv::findRow(o["key"].toString().toStdString());
                ASSERT_TRUE(row);
                EXPECT_EQ(o["label"].toString().toStdString(), rv::LabelOf(*row, language));
                if (row->kind != RowKind::Number || !o.contains("step") || row->readOnly ||
                    (row->key.find(".1.") == std::string::npos && row->key.find("fleet.") == 0))
                    continue;
                const int max = o["max"].toInt();
                for (const auto& [value, taken] : {std::pair{o["min"].toInt(), true},
                                                   {max, true},
                                                   {max + o["step"].toInt(), false}}) {
                    rv::Session s = base;
                    EXPECT_EQ(!rv::setFromText(s, row->key, std::to_string(value)), taken)
                        << row->key << "=" << value;
                }
            }
        }
    }
}

// One refused value of every kind: exit 2, the key, value and rule named, the file and the
// output untouched. Control bytes from a file never reach the terminal.
TEST_F(SettingsCommands, RefusedValuesWriteNothingAndControlBytesStayOffTheTerminal) {
    makeBase();
    const QByteArray before = bytes("a.dat");
    const struct {
        const char* assignment;
        const char* rule;
    } cases[] = {
        {"optional.squelch_level=10", "0..9"},
        {"dtmf.first_digit_delay=120", "100..1000 in steps of 50 ms"},
        {"scan.priority=Sometimes", "one of None|Fixd|Selected"},
        {"optional.beep=2", "Off|On"},
        {"dtmf.id_code=12E", "3 to 10 characters of 0123456789"},
        {"channel.1.rx_frequency=520", "a frequency of 400..470 MHz on the 5 / 6.25 kHz raster"},
        {"channel.1.rx_frequency=446.0037", "on the 5 / 6.25 kHz raster"},
        {"channel.2.tx_power=Low", "not programmed"},
        {"model.model=582", "read only"},
    };
    for (const auto& c : cases) {
        const auto r = RunCli(
            {"set", path("a.dat"), "optional.beep=Off", c.assignment, "-o", path("out.dat")});
        EXPECT_EQ(r.status, 2) << c.assignment;
        EXPECT_TRUE(r.err.contains(c.assignment)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(c.rule)) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("out.dat")));
    }
    EXPECT_EQ(RunCli({"set", path("a.dat"), "dtmf.speed=99"}).status, 2);
    EXPECT_EQ(RunCli({"get", path("a.dat"), "no.such.key"}).status, 2);
    EXPECT_EQ(bytes("a.dat"), before);

    rv::Session s = base;
    s.Doc.EmbMsg1.set("\x1b[2J\a");
    QFile f(path("esc.dat"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const auto record = rv::ToRecord(s.Doc);
    f.write(reinterpret_cast<const char*>(record.data()), qint64(record.size()));
    f.close();
    for (const QStringList& args : {QStringList{"diff", path("a.dat"), path("esc.dat")},
                                    QStringList{"get", path("esc.dat"), "message.line1"}}) {
        const auto r = RunCli(args);
        EXPECT_TRUE(r.out.contains("[2J")) << r.out.toStdString();
        EXPECT_FALSE(r.out.contains('\x1b') || r.out.contains('\a')) << r.out.toStdString();
    }
}

} // namespace
