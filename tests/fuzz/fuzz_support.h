#pragma once

// Shared by the fuzz targets: a property that must hold for every input, and
// a scratch folder for targets whose code under test reads files.

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>

// Stops the run with the input saved when a property does not hold.
#define FUZZ_CHECK(condition, what)                                                     \
    do {                                                                                \
        if (!(condition)) {                                                             \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", what, __FILE__, __LINE__); \
            std::abort();                                                               \
        }                                                                               \
    } while (false)

namespace fuzz {

// A folder of this process for the files of one input; memory-backed where
// the system has it, so file round trips stay fast.
inline QString &scratchPath()
{
    static QString path;
    return path;
}

inline void removeScratch()
{
    if (!scratchPath().isEmpty())
        QDir(scratchPath()).removeRecursively();
}

inline QString scratchFolder()
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                        : QDir::tempPath();
        const QString path =
            QStringLiteral("%1/cross-fuzz-%2").arg(base).arg(QCoreApplication::applicationPid());
        QDir().mkpath(path);
        scratchPath() = path;
        std::atexit(removeScratch);
        return path;
    }();
    return folder;
}

inline QString scratchFile(const QString &name)
{
    return scratchFolder() + QLatin1Char('/') + name;
}

inline void writeScratch(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    FUZZ_CHECK(file.write(bytes.data(), bytes.size()) == bytes.size(), "scratch file written");
}

inline QByteArray readScratch(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace fuzz
