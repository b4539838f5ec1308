#include "halvane/link/device_check.h"

#include "halvane/settings/port_map.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvane::link {
namespace {

// Where serial programs (and QSerialPort) put their "LCK..name" files.
const char *const kLockFolders[] = {"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks",
                                    "/var/spool/uucp", "/var/lock/lockdev", "/tmp", "/var/tmp"};

QString lockName(const QString &device)
{
    QString name = device;
    if (name.startsWith(QLatin1String("/dev/")))
        name = name.mid(5);
    return QStringLiteral("LCK..") + name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

// The process id a lock file names: the first line, in text (QLockFile and
// the uucp style) or as a binary int (the old Kermit style).
qint64 lockPid(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = f.read(128);
    bool ok = false;
    const qint64 pid = bytes.split('\n').value(0).trimmed().toLongLong(&ok);
    if (ok)
        return pid;
    if (bytes.size() == 4) {
        qint32 binary = 0;
        std::memcpy(&binary, bytes.constData(), sizeof binary);
        return binary;
    }
    return 0;
}

bool processRunning(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

QString processName(qint64 pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll().trimmed()) : QString();
}

QString groupOf(const QString &device)
{
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0)
        return {};
    if (const group *g = ::getgrgid(st.st_gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(st.st_gid);
}

// A non-blocking open closed at once: "busy" only when another program has
// the device for exclusive use.
bool refusedAsBusy(const QString &device)
{
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return errno == EBUSY;
}

QString portLabel(const DeviceFacts &f)
{
    return QStringLiteral("COM%1 (%2)").arg(f.portNumber).arg(f.device);
}

QString heldBy(const DeviceFacts &f)
{
    if (!f.lockFile.isEmpty()) {
        QString who;
        if (f.lockPid == QCoreApplication::applicationPid())
            who = QCoreApplication::translate("halvane::link", "this program");
        else if (f.lockProgram.isEmpty())
            who = QCoreApplication::translate("halvane::link", "process %1").arg(f.lockPid);
        else
            who = QCoreApplication::translate("halvane::link", "process %1 (%2)").arg(f.lockPid).arg(f.lockProgram);
        return QCoreApplication::translate("halvane::link", "held by %1, lock file %2").arg(who, f.lockFile);
    }
    return QCoreApplication::translate("halvane::link", "another program holds it for exclusive use");
}

QString permissionHint(const DeviceFacts &f)
{
    if (f.group.isEmpty())
        return QCoreApplication::translate("halvane::link",
                                           "On most Linux systems the user must be in the group that owns the "
                                           "device (ls -l %1 shows it), and log in again.")
            .arg(f.device);
    if (f.group == QLatin1String("root"))
        return QCoreApplication::translate("halvane::link",
                                           "On most Linux systems the user must be in the group that owns the "
                                           "device, here \"root\", which is for the administrator only: a udev rule "
                                           "can give the device to the group dialout, then join that group and log "
                                           "in again.");
    return QCoreApplication::translate("halvane::link",
                                       "On most Linux systems the user must be in the group that owns the device, "
                                       "here \"%1\" (sudo usermod -aG %1 $USER), and log in again.")
        .arg(f.group);
}

} // namespace

HeldLock findHeldLock(const QString &device)
{
    QStringList names{lockName(device)};
    const QString canonical = QFileInfo(device).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != device)
        names << lockName(canonical);
    QStringList folders;
    for (const char *folder : kLockFolders)
        folders << QString::fromLatin1(folder);
    folders << QDir::tempPath();
    for (const QString &folder : folders)
        for (const QString &name : names) {
            const QString file = QDir(folder).filePath(name);
            if (!QFileInfo::exists(file))
                continue;
            const qint64 pid = lockPid(file);
            if (processRunning(pid))
                return {file, pid};
        }
    return {};
}

DeviceFacts inspectDevicePath(const QString &device, bool probeOpen)
{
    DeviceFacts f;
    f.device = device;
    if (device.isEmpty())
        return f;
    const QByteArray path = QFile::encodeName(device);
    f.exists = ::access(path.constData(), F_OK) == 0;
    if (!f.exists)
        return f;
    f.readable = ::access(path.constData(), R_OK) == 0;
    f.writable = ::access(path.constData(), W_OK) == 0;
    f.group = groupOf(device);
    const HeldLock lock = findHeldLock(device);
    f.lockFile = lock.file;
    f.lockPid = lock.pid;
    if (lock.pid > 0)
        f.lockProgram = processName(lock.pid);
    if (probeOpen && f.readable && f.writable && f.lockFile.isEmpty())
        f.heldExclusively = refusedAsBusy(device);
    return f;
}

DeviceFacts inspectDevice(const QString &iniPath, int portNumber, bool probeOpen)
{
    DeviceFacts f = inspectDevicePath(settings::portDevicePath(iniPath, portNumber), probeOpen);
    f.portNumber = portNumber;
    return f;
}

bool explainsFailure(const DeviceFacts &f)
{
    return f.device.isEmpty() || !f.exists || !f.readable || !f.writable || !f.lockFile.isEmpty() ||
           f.heldExclusively;
}

QString describeOpenFailure(const DeviceFacts &f, const QString &otherError)
{
    if (f.device.isEmpty())
        return QCoreApplication::translate("halvane::link", "COM%1 has no device: map one in section PORTS of Halvane.ini (COM%1=/dev/ttyUSB0).")
            .arg(f.portNumber);
    if (!f.exists)
        return QCoreApplication::translate("halvane::link", "%1 does not exist: is the cross's adapter plugged in?").arg(portLabel(f));
    if (!f.readable || !f.writable)
        return QCoreApplication::translate("halvane::link", "%1: permission denied. %2").arg(portLabel(f), permissionHint(f));
    if (!f.lockFile.isEmpty() || f.heldExclusively)
        return QCoreApplication::translate("halvane::link", "%1 is busy: %2.").arg(portLabel(f), heldBy(f));
    return QCoreApplication::translate("halvane::link", "%1 cannot be opened: %2.").arg(portLabel(f), otherError);
}

QList<PortProblem> unusablePorts(const QString &iniPath, int count)
{
    QList<PortProblem> problems;
    for (int n = 1; n <= count; ++n)
        if (const DeviceFacts f = inspectDevice(iniPath, n, false); f.exists && explainsFailure(f))
            problems.append({n, describeOpenFailure(f, QString())});
    return problems;
}

QString describeState(const DeviceFacts &f)
{
    if (f.device.isEmpty())
        return QCoreApplication::translate("halvane::link", "no device");
    if (!f.exists)
        return QCoreApplication::translate("halvane::link", "does not exist");
    if (!f.lockFile.isEmpty() || f.heldExclusively)
        return QCoreApplication::translate("halvane::link", "busy: %1").arg(heldBy(f));
    if (f.readable && f.writable)
        return QCoreApplication::translate("halvane::link", "readable, writable");
    const QString group = f.group.isEmpty() ? QCoreApplication::translate("halvane::link", "unknown") : f.group;
    if (!f.readable && !f.writable)
        return QCoreApplication::translate("halvane::link", "not readable, not writable (group %1)").arg(group);
    if (!f.readable)
        return QCoreApplication::translate("halvane::link", "not readable, writable (group %1)").arg(group);
    return QCoreApplication::translate("halvane::link", "readable, not writable (group %1)").arg(group);
}

} // namespace halvane::link
