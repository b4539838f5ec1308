#include "dravelle/editor/recovery_copy.h"

#include "common/atomic_save.h"
#include "dravelle/editor/page_clipboard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>

namespace dravelle::editor {

RecoveryCopy::RecoveryCopy(QString folder, int resolution, qint64 pid)
    : m_folder(std::move(folder)), m_resolution(resolution), m_pid(pid)
{
    m_path = QDir(m_folder).filePath(QStringLiteral("recovery-%1-%2.pages").arg(pid).arg(resolution));
}

common::Status RecoveryCopy::update(const document::AnimationStore &store)
{
    if (!store.hasAnimation() || !store.isModified()) {
        remove();
        return common::Status::success();
    }
    if (!QDir().mkpath(m_folder))
        return common::Status::failure(QStringLiteral("The folder %1 cannot be made.").arg(m_folder));
    const common::Status saved =
        common::saveAtomically(m_path, encodePageClip(copyPages(store, 1, store.pageCount())));
    if (!saved)
        return common::Status::failure(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(m_path), saved.message));
    return saved;
}

void RecoveryCopy::remove()
{
    QFile::remove(m_path);
}

QStringList RecoveryCopy::leftBehind() const
{
    const QRegularExpression name(QStringLiteral("^recovery-(\\d+)-(\\d+)\\.pages$"));
    QStringList found;
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({QStringLiteral("recovery-*.pages")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        const QRegularExpressionMatch match = name.match(file.fileName());
        if (!match.hasMatch() || match.captured(2).toInt() != m_resolution)
            continue;
        const qint64 pid = match.captured(1).toLongLong();
        if (pid != m_pid && !processIsRunning(pid))
            found << file.absoluteFilePath();
    }
    return found;
}

common::Status RecoveryCopy::restore(const QString &path, document::AnimationStore &store)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return common::Status::failure(file.errorString());
    PageClip clip;
    const common::Status read = decodePageClip(file.readAll(), &clip);
    if (!read)
        return read;
    if (clip.resolution != store.resolution() || !store.replacePages(std::move(clip.pages), std::move(clip.delays)))
        return common::Status::failure(QStringLiteral("The copy is not of this cross resolution."));
    return common::Status::success();
}

bool processIsRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace dravelle::editor
