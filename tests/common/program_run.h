#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Runs one of our programs as a user would from a terminal and keeps what it
// said: the end-to-end tests of the command-line programs share this.
struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ProgramRun runProgram(const QString &program, const QStringList &args, int timeoutMs = 120000)
{
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(timeoutMs)) << program.toStdString();
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// The same in an application folder of the test's own (`--app-dir DIR`).
inline ProgramRun runInAppDir(const QString &program, const QString &appDir, const QStringList &args,
                              int timeoutMs = 120000)
{
    return runProgram(program, QStringList{QStringLiteral("--app-dir"), appDir} + args, timeoutMs);
}
