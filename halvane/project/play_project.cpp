#include "halvane/project/play_project.h"

#include "common/profile.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/plst_file.h"

#include <QFileInfo>

#include <algorithm>

// The project as a whole and the play list with its groups; the animation
// list and the message settings are in play_project_lists.cpp.

namespace halvane::project {

PlayProject::PlayProject(AnimationLibrary library) : m_library(std::move(library))
{
    reset(0);
}

const ItemSettings &PlayProject::item(int index) const
{
    return m_data.items.at(std::size_t(std::clamp(index, 0, kItemCount - 1)));
}

const TextSettings &PlayProject::text(int index) const
{
    return m_data.texts.at(std::size_t(std::clamp(index, 0, kTextCount - 1)));
}

int PlayProject::groupCount() const
{
    return std::max<int>(1, int((m_data.playList.size() + kGroupSize - 1) / kGroupSize));
}

bool PlayProject::groupButtonsVisible() const
{
    return m_data.playList.size() > kGroupSize;
}

QList<PlayListEntry> PlayProject::shownEntries() const
{
    return m_data.playList.mid(qsizetype(m_group) * kGroupSize, kGroupSize);
}

bool PlayProject::shownGroupContains(const QString &name) const
{
    const QList<PlayListEntry> shown = shownEntries();
    return std::any_of(shown.begin(), shown.end(),
                       [&](const PlayListEntry &e) { return e.name == name; });
}

bool PlayProject::contains(const QString &name) const
{
    return std::any_of(m_data.playList.begin(), m_data.playList.end(),
                       [&](const PlayListEntry &e) { return e.name == name; });
}

// --- Project ---------------------------------------------------------------

void PlayProject::reset(int harnessFrameDots)
{
    resetRecords(harnessFrameDots);
    notify({});
}

void PlayProject::resetRecords(int harnessFrameDots)
{
    m_data = defaultProjectData(harnessFrameDots);
    m_group = 0;
}

AnimationListBuild PlayProject::newProject(int harnessFrameDots)
{
    m_path.clear();
    resetRecords(harnessFrameDots);
    const AnimationListBuild build = buildAnimationList();
    m_dirty = false;
    notify({});
    return build;
}

common::Status PlayProject::load(const QString &path)
{
    const common::Status read = loadRecords(path);
    if (read)
        notify({});
    return read;
}

common::Status PlayProject::loadRecords(const QString &path)
{
    PlayProjectData loaded;
    const common::Status read = readPlstFile(path, &loaded);
    if (!read)
        return read;
    m_data = std::move(loaded);
    m_path = QFileInfo(path).absoluteFilePath();
    m_group = 0;
    m_dirty = false;
    return read;
}

common::Status PlayProject::open(const QString &path)
{
    const common::Status loaded = loadRecords(path);
    if (!loaded)
        return loaded;
    buildAnimationList();
    showGroup(0);
    remember(m_path);
    notify({});
    return loaded;
}

common::Status PlayProject::save()
{
    if (m_path.isEmpty())
        return common::Status::failure(tr("The project has no file yet: save it under a name."));
    const common::Status written = writePlstFile(m_path, m_data);
    if (written)
        m_dirty = false;
    return written;
}

common::Status PlayProject::saveAs(const QString &path)
{
    const common::Status written = writePlstFile(path, m_data);
    if (!written)
        return written;
    m_path = QFileInfo(path).absoluteFilePath();
    m_dirty = false;
    remember(m_path);
    return written;
}

void PlayProject::remember(const QString &path) const
{
    // The last project only spares the user a File > Open at the next
    // start: a settings file that takes no writes is no reason to fail Open.
    if (!m_settingsFile.isEmpty())
        (void)common::WritePrivateProfileStringA(QString::fromLatin1(settings::kSectionFile),
                                           QString::fromLatin1(settings::kKeyPreFile), path, m_settingsFile);
}

void PlayProject::changed(const ProjectChange &change)
{
    m_dirty = true;
    notify(change);
}

void PlayProject::notify(const ProjectChange &change)
{
    ++m_revision;
    // A listener may remove itself or others while it hears of the change.
    const std::map<int, ChangeListener> listeners = m_listeners;
    for (const auto &[id, listener] : listeners)
        if (m_listeners.count(id))
            listener(change);
}

void PlayProject::notifyDropped(const QStringList &dropped)
{
    if (dropped.isEmpty())
        return;
    ProjectChange change(ProjectChange::Part::Dropped);
    change.dropped = dropped;
    notify(change);
}

int PlayProject::addChangeListener(ChangeListener listener) const
{
    const int id = m_nextListener++;
    m_listeners.emplace(id, std::move(listener));
    return id;
}

void PlayProject::removeChangeListener(int id) const
{
    m_listeners.erase(id);
}

QString previousProjectPath(const QString &iniPath)
{
    const QString path = common::GetPrivateProfileStringA(QString::fromLatin1(settings::kSectionFile),
                                                          QString::fromLatin1(settings::kKeyPreFile),
                                                          QString(), settings::kPreFileSize, iniPath);
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

// --- Play list -------------------------------------------------------------

std::int32_t *PlayProject::selectFlagOf(const QString &name)
{
    if (const auto i = itemIndex(name))
        return &m_data.items[std::size_t(*i)].selected;
    if (const auto t = textIndex(name))
        return &m_data.texts[std::size_t(*t)].selected;
    AnimationEntry *entry = animationAt(name);
    return entry ? &entry->inPlayList : nullptr;
}

common::Status PlayProject::checkAppend(const QString &name) const
{
    if (entryKind(name) == EntryKind::Animation) {
        if (animationIndex(name) < 0)
            return common::Status::failure(tr("\"%1\" is not in the animation list.").arg(name));
        if (!m_library.contains(name))
            return common::Status::failure(
                tr("\"%1\" is not a file of the animations folder.").arg(name));
    }
    if (contains(name))
        return common::Status::failure(tr("\"%1\" is already in the play list.").arg(name));
    if (m_data.playList.size() >= kMaxPlayListEntries)
        return common::Status::failure(tr(kPlayListFullMessage));
    return common::Status::success();
}

common::Status PlayProject::appendToPlayList(const QString &name)
{
    const common::Status allowed = checkAppend(name);
    if (!allowed)
        return allowed;
    // From 15 entries on the new entry goes to group 1, which may not exist yet.
    if (m_data.playList.size() >= kGroupSize)
        m_group = 1;
    dropGoneFiles();
    m_data.playList.append(PlayListEntry{name});
    if (std::int32_t *flag = selectFlagOf(name))
        *flag = 1;
    changed({ProjectChange::Part::PlayList, name});
    return common::Status::success();
}

bool PlayProject::removeFromPlayList(const QString &name)
{
    const qsizetype first = qsizetype(m_group) * kGroupSize;
    const qsizetype end = std::min<qsizetype>(first + kGroupSize, m_data.playList.size());
    qsizetype at = first;
    while (at < end && m_data.playList.at(at).name != name)
        ++at;
    if (at >= end)
        return false;
    m_data.playList.removeAt(at);
    if (std::int32_t *flag = selectFlagOf(name))
        *flag = 0;
    changed({ProjectChange::Part::PlayList, name});
    if (m_data.playList.size() == kGroupSize)
        m_group = 0;
    showGroup(m_group);
    return true;
}

bool PlayProject::moveUp(int row)
{
    const qsizetype at = qsizetype(m_group) * kGroupSize + row;
    if (row <= 0 || row >= kGroupSize || at >= m_data.playList.size())
        return false;
    m_data.playList.swapItemsAt(at, at - 1);
    changed({ProjectChange::Part::PlayList, m_data.playList.at(at - 1).name});
    return true;
}

bool PlayProject::moveDown(int row)
{
    const qsizetype at = qsizetype(m_group) * kGroupSize + row;
    if (row < 0 || row >= kGroupSize - 1 || at + 1 >= m_data.playList.size())
        return false;
    m_data.playList.swapItemsAt(at, at + 1);
    changed({ProjectChange::Part::PlayList, m_data.playList.at(at + 1).name});
    return true;
}

QStringList PlayProject::showGroup(int group)
{
    m_group = std::clamp(group, 0, groupCount() - 1);
    QStringList dropped = dropGoneFiles();
    // Dropping may have emptied the last group; show the one before it instead.
    if (m_group >= groupCount())
        dropped += showGroup(groupCount() - 1);
    return dropped;
}

QStringList PlayProject::dropGoneFiles()
{
    QStringList dropped;
    const qsizetype first = qsizetype(m_group) * kGroupSize;
    // Entries that move up into the group as others go are examined as well,
    // so the group always shows as many entries as it can hold.
    for (qsizetype at = first;
         at < std::min<qsizetype>(first + kGroupSize, m_data.playList.size());) {
        const QString &name = m_data.playList.at(at).name;
        if (entryKind(name) == EntryKind::Animation && !m_library.contains(name)) {
            dropped << name;
            m_dropped << name;
            m_data.playList.removeAt(at);
        } else {
            ++at;
        }
    }
    notifyDropped(dropped);
    return dropped;
}

} // namespace halvane::project
