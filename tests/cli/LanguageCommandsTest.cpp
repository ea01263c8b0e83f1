// Under Chinese every line the tool prints is Chinese but for names: commands, options,
// setting keys, the words of the usage lines and the technical names the Chinese texts
// themselves keep.

#include "cli/Commands.h"
#include "data/Catalogue.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include "CliRunner.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using rvtest::RunCli;

// Names as whole tokens: "channel.1.rx_frequency" and "--lang" are names, "channel" alone is
// an English word.
const QRegularExpression& Token() {
    static const QRegularExpression token("-*[A-Za-z][A-Za-z0-9_.\\-]*[A-Za-z0-9_]");
    return token;
}

void AddWords(std::set<QString>* words, const std::string& text) {
    auto it = Token().globalMatch(QString::fromStdString(text));
    while (it.hasNext())
        words->insert(it.next().captured().toLower());
}

// What may stay as it is under Chinese.
std::set<QString> Names() {
    std::set<QString> words;
    for (const auto& c : rv::cli::CommandTable()) {
        AddWords(&words, c.name);
        AddWords(&words, c.usage);
    }
    for (const auto& r : rv::Catalogue()) {
        AddWords(&words, r.key);
        AddWords(&words, r.label.zh);
        AddWords(&words, r.area.zh);
        AddWords(&words, r.allowed);
        for (const auto& choice : r.choices)
            AddWords(&words, choice.text.zh);
    }
    AddWords(&words, "rv52n-cli --version --about --lang --help ASCII JSON LANG");
    return words;
}

TEST(LanguageCommands, ChineseOutputKeepsOnlyNamesInLatinLetters) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.dat");
    ASSERT_EQ(RunCli({"new", "-o", file}).status, 0);
    std::vector<QStringList> lines{
        {"--lang", "zh", "--help"}, {"--help", "--lang", "zh"},
        {"--lang", "zh"},           {"--lang", "zh", "bogus"},
        {"keys", "--lang", "zh"},   {"get", file, "optional.beep", "--lang", "zh"},
    };
    for (const auto& c : rv::cli::CommandTable())
        lines.push_back({QString::fromLatin1(c.name), "--help", "--lang", "zh"});
    for (const char* refused :
         {"optional.squelch_level=10", "dtmf.first_digit_delay=120", "scan.priority=Sometimes",
          "optional.beep=2", "dtmf.id_code=12E", "channel.1.rx_frequency=520",
          "channel.2.tx_power=Low", "model.model=582", "message.line1=\x01",
          "channel.1.tx_frequency=440", "fleetsync.own_fleet=1", "fleet.1.id=xyz",
          "testfreq.1.rx=1", "no.such.key=1"})
        lines.push_back({"set", file, refused, "--lang", "zh"});
    static const QRegularExpression word("[A-Za-z]{4}");
    for (const auto& args : lines) {
        std::set<QString> names = Names(); // and what the user typed, echoed
        for (const QString& a : args)
            AddWords(&names, a.toStdString());
        const auto r = RunCli(args);
        QString said = r.out + r.err;
        said.remove(dir.path());
        EXPECT_FALSE(said.isEmpty()) << args.join(' ').toStdString();
        for (const QString& line : said.split('\n')) {
            auto it = Token().globalMatch(line);
            while (it.hasNext()) {
                const QString w = it.next().captured();
                EXPECT_TRUE(names.count(w.toLower()) || !w.contains(word))
                    << args.join(' ').toStdString() << ": \"" << w.toStdString() << "\" in\n"
                    << line.toStdString();
            }
        }
    }
}

} // namespace
