#include "cli/Commands.h"
#include "cli/HelpText.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

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
