#pragma once

// Runs the command-line tool as its users do: a separate process, its exit status and both
// outputs.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace rvtest {

struct CliRun {
    int status = -1; ///< the exit status; -1 when the tool crashed
    QString out;
    QString err;
};

/// Starts rv52n-cli with `args` in the locale `lang` (empty: no locale set at all) and, when
/// given, `dataHome` as the per-user data folder (backups go there).
inline void StartCli(QProcess& p, const QStringList& args, const QString& lang = "C.UTF-8",
                     const QString& dataHome = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_MESSAGES");
    env.remove("LANG");
    env.remove("LC_ALL");
    if (!lang.isEmpty()) env.insert("LC_ALL", lang);
    if (!dataHome.isEmpty()) env.insert("XDG_DATA_HOME", dataHome);
    p.setProcessEnvironment(env);
    p.start(RV_BIN_DIR "/rv52n-cli", args);
}

/// Waits for a started tool and collects what it did.
inline CliRun FinishCli(QProcess& p, int msecs = 30000) {
    EXPECT_TRUE(p.waitForFinished(msecs));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

/// Runs the tool to its end.
inline CliRun RunCli(const QStringList& args, const QString& lang = "C.UTF-8",
                     const QString& dataHome = {}) {
    QProcess p;
    StartCli(p, args, lang, dataHome);
    return FinishCli(p);
}

} // namespace rvtest
