#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

// Sets or clears the immutable flag of a file or folder (for tests that run
// with the rights to ignore permissions); false when the file system refuses.
inline bool setImmutableFlag(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = false;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// A folder that refuses new files while it lives: read-only, and immutable as
// well when the tests run with the rights to ignore permissions.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const QString &path) : m_path(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        if (!canCreate())
            return;
        setImmutable(true);
        m_immutable = !canCreate();
    }
    ~UnwritableFolder()
    {
        if (m_immutable)
            setImmutable(false);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool holds() const { return !const_cast<UnwritableFolder *>(this)->canCreate(); }

private:
    bool canCreate()
    {
        QFile probe(QDir(m_path).filePath(QStringLiteral(".probe")));
        if (!probe.open(QIODevice::WriteOnly))
            return false;
        probe.remove();
        return true;
    }
    void setImmutable(bool on) { setImmutableFlag(m_path, on); }

    QString m_path;
    bool m_immutable = false;
};
