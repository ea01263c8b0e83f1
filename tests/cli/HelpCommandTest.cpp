#include "CliRunner.h"
#include "cli/Commands.h"
#include "cli/HelpText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::string Page(const char* name) {
    QFile f(QDir(RV_BIN_DIR).filePath(QString::fromLatin1(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

TEST(HelpText, SectionEndsAtTheNextHeadingOfItsLevel) {
    const std::string html = "<h2 id=\"a\">A</h2><p>one &lt;two&gt;\n  &amp; three</p>"
                             "<h3 id=\"b\">B</h3><pre>x   y\n z</pre><ul><li>i</li></ul>"
                             "<h3 id=\"c\">C</h3><p>c</p><h2 id=\"d\">D</h2>";
    EXPECT_EQ(rv::cli::HelpSection(html, "b"), "B\n\nx   y\n z\n\n  - i\n\n");
    const auto a = rv::cli::HelpSection(html, "a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->substr(0, 22), "A\n\none <two> & three\n\n");
    EXPECT_NE(a->find("C\n\nc"), std::string::npos);
    EXPECT_EQ(a->find('D'), std::string::npos);
    EXPECT_FALSE(rv::cli::HelpSection(html, "e"));
}

// A command's section shows the usage the tool itself checks, in both languages.
TEST(HelpText, CommandSectionsShowTheUsageOfTheCommandTable) {
    for (const char* page : {"RVPS-52N_e.html", "RVPS-52N_c.html"}) {
        const std::string html = Page(page);
        ASSERT_FALSE(html.empty()) << page;
        for (const auto& c : rv::cli::CommandTable()) {
            const auto section = rv::cli::HelpSection(html, std::string("cli-") + c.name);
            if (!section) continue; // told by its usage line until the page has it
            EXPECT_NE(section->find(std::string("rv52n-cli ") + c.usage), std::string::npos)
                << page << " " << c.name;
        }
    }
}

TEST(HelpText, HelpCommandPrintsTheSectionInTheChosenLanguage) {
    const auto run = [](const QStringList& args, QString* out) {
        QProcess p;
        p.start(RV_BIN_DIR "/rv52n-cli", args);
        EXPECT_TRUE(p.waitForFinished(30000));
        *out = QString::fromUtf8(p.readAllStandardOutput());
        return p.exitCode();
    };
    QString out;
    EXPECT_EQ(run({"help", "read", "--lang", "zh"}, &out), 0);
    EXPECT_TRUE(out.startsWith("read\n")) << out.toStdString();
    EXPECT_TRUE(out.contains("把对讲机读入数据文件")) << out.toStdString();
    EXPECT_EQ(run({"help", "--lang", "en"}, &out), 0);
    EXPECT_TRUE(out.startsWith("The command-line tool\n"));
    EXPECT_TRUE(out.contains("--retries N"));
    EXPECT_EQ(run({"help", "nosuch"}, &out), 2);
}

} // namespace

namespace {

// Every command of the table, also one added later, has its line in --help and its exit
// statuses in the manual page; every command refuses bad usage with 2.
TEST(CommandNotes, EveryCommandSaysWhatItDoesAndWhatItsStatusesMean) {
    const std::string man = rv::cli::ManSections();
    const QString help = rvtest::RunCli({"--help"}).out;
    for (const auto& c : rv::cli::CommandTable()) {
        EXPECT_TRUE(help.contains(QString::fromUtf8(c.summary.en))) << c.name;
        std::vector<int> statuses;
        for (const auto& [status, meaning] : c.exits) {
            statuses.push_back(status);
            EXPECT_FALSE(meaning.empty()) << c.name;
        }
        EXPECT_TRUE(std::is_sorted(statuses.begin(), statuses.end())) << c.name;
        EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 0), 1) << c.name;
        EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 2), 1) << c.name;
        QString name = QString::fromLatin1(c.name).replace("-", "\\-"); // as roff spells it
        EXPECT_NE(man.find(".B " + name.toStdString() + "\n0  "), std::string::npos) << c.name;
    }
}

TEST(CommandNotes, AboutNamesTheLicenceInTheLocalesLanguage) {
    EXPECT_TRUE(rvtest::RunCli({"--about"}).out.contains("GPL-3.0-or-later"));
    const rvtest::CliRun zh = rvtest::RunCli({"--about"}, "zh_CN.UTF-8");
    EXPECT_TRUE(zh.out.contains("GNU 通用公共许可证第 3 版")) << zh.out.toStdString();
}

// Option values the shell completes: each row is the question and one expected answer.
TEST(CommandNotes, CompletionOffersTheValuesOfOptions) {
    const struct {
        QStringList ask;
        QString expected;
        QString absent;
    } rows[] = {{{"--model"}, "6415", ""},
                {{"--band"}, "136 - 174 MHz", ""},
                {{"--band"}, "450 - 520 MHz", ""},
                {{"--band", "582"}, "245 - 246 MHz", "400 - 470 MHz"},
                {{"--lang"}, "zh", ""},
                {{"--ports"}, "sim", ""}};
    for (const auto& row : rows) {
        const rvtest::CliRun r = rvtest::RunCli(QStringList{"--completion-words"} + row.ask);
        QStringList words = r.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(r.status, 0) << row.ask.join(' ').toStdString();
        EXPECT_TRUE(words.contains(row.expected)) << row.ask.join(' ').toStdString();
        EXPECT_TRUE(row.absent.isEmpty() || !words.contains(row.absent));
        EXPECT_EQ(words.removeDuplicates(), 0) << row.ask.join(' ').toStdString();
    }
}

} // namespace

// A refused command line says why in the user's language, from the locale or --lang,
// before anything else is done.
TEST(Usage, RefusalsSpeakTheUsersLanguage) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("a.dat");
    ASSERT_EQ(rvtest::RunCli({"new", "-o", doc}).status, 0);
    struct Case {
        QStringList args;
        const char* locale;
        QString firstLine;
    };
    const Case cases[] = {
        {{"read", "--port", "sim", "-o", doc, "--retires", "3"},
         "zh_CN.UTF-8",
         "rv52n-cli: 未知选项 --retires"},
        {{"read", "--port", "sim", "-o", doc, "--retires", "3"},
         "C.UTF-8",
         "rv52n-cli: unknown option --retires"},
        {{"info", "--lang", "zh", "--port"}, "C.UTF-8", "rv52n-cli: 选项 --port 需要一个值"},
        {{"read", "--port", "", "-o", doc},
         "zh_CN.UTF-8",
         "rv52n-cli: --port 需要端口：sim、1 到 8 的端口号或设备路径"},
        {{"export-csv", doc, "-o", doc, "--lang", "zh"},
         "C.UTF-8",
         "rv52n-cli: -o " + doc + " 与输入文件 " + doc + " 是同一个文件，会被覆盖"},
        {{"get", doc, "no.such"}, "zh_CN.UTF-8", "rv52n-cli: 没有键为“no.such”的设置"},
        {{"frobnicate"}, "zh_CN.UTF-8", "rv52n-cli: 未知命令“frobnicate”"},
        // Refusals worded away from the parser: the simulated radio's switches, port lists
        // and the radio information.
        {{"sim", "--corrupt-write", "5000", "--lang", "zh"},
         "C.UTF-8",
         "rv52n-cli: --corrupt-write 取 0 到 1023 的数"},
        {{"fleet", doc, "--ports", ",sim", "--lang", "zh"},
         "C.UTF-8",
         "rv52n-cli: --ports 中有空项"},
        {{"set-info", "--lang", "zh"},
         "C.UTF-8",
         "rv52n-cli: 没有要设置的内容：请给出 --model-type、--band、--serial、--version 或 "
         "--time-sync"},
        {{"set-info", "--serial", "1", "--time-sync"},
         "zh_CN.UTF-8",
         "rv52n-cli: --serial 和 --time-sync 都设置序号；只给出其中一个"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const auto r = rvtest::RunCli(c.args, c.locale);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.section('\n', 0, 0), c.firstLine);
    }
    EXPECT_TRUE(rvtest::RunCli({"show"}, "zh_CN.UTF-8").err.contains("\n用法：rv52n-cli show"));
}
