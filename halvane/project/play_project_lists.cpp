#include "halvane/project/play_project.h"

#include "halvane/project/ansi_text.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

// The animation list and the settings of the data and text messages.

namespace halvane::project {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PlayProject", text);
}

common::Status noMessage(int index)
{
    return common::Status::failure(tr("There is no message number %1.").arg(index));
}

common::Status notListed(const QString &fileName)
{
    return common::Status::failure(tr("\"%1\" is not in the animation list.").arg(fileName));
}

common::Status noChoice(int position)
{
    return common::Status::failure(tr("There is no choice %1 in that list.").arg(position));
}

} // namespace

// --- Animation list ----------------------------------------------------------

int PlayProject::animationIndex(const QString &fileName) const
{
    const auto &list = m_data.animations;
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const AnimationEntry &a) { return a.fileName == fileName; });
    return it == list.end() ? -1 : int(it - list.begin());
}

const AnimationEntry *PlayProject::findAnimation(const QString &fileName) const
{
    const int i = animationIndex(fileName);
    return i < 0 ? nullptr : &m_data.animations.at(i);
}

AnimationEntry *PlayProject::animationAt(const QString &fileName)
{
    const int i = animationIndex(fileName);
    return i < 0 ? nullptr : &m_data.animations[i];
}

QList<AnimationEntry> PlayProject::animationRows() const
{
    QList<AnimationEntry> rows = m_data.animations;
    std::stable_sort(rows.begin(), rows.end(), [](const AnimationEntry &a, const AnimationEntry &b) {
        return a.fileName.toLower() < b.fileName.toLower();
    });
    return rows;
}

AnimationListBuild PlayProject::buildAnimationList()
{
    AnimationListBuild build;
    auto &list = m_data.animations;
    if (m_path.isEmpty()) {
        list.clear();
        const AnimationLibrary::Scan scan = m_library.scan();
        for (const QString &name : scan.names)
            list << defaultAnimationEntry(name);
        build.refused = scan.refused;
        return build;
    }
    for (qsizetype i = 0; i < list.size();) {
        if (!m_library.contains(list.at(i).fileName)) {
            build.dropped << list.at(i).fileName;
            list.removeAt(i);
            continue;
        }
        list[i].inPlayList = contains(list.at(i).fileName) ? 1 : 0;
        ++i;
    }
    return build;
}

common::Status PlayProject::addAnimation(const QString &sourcePath)
{
    const QString name = QFileInfo(sourcePath).fileName();
    const common::Status fits = checkAnimationName(name);
    if (!fits)
        return fits;
    const common::Status copied = m_library.copyIn(sourcePath);
    if (!copied)
        return copied;
    if (animationIndex(name) < 0)
        m_data.animations << defaultAnimationEntry(name);
    return changed();
}

common::Status PlayProject::deleteAnimation(const QString &fileName)
{
    const int i = animationIndex(fileName);
    if (i < 0)
        return notListed(fileName);
    // The play list must never name an animation without its settings.
    if (m_data.animations.at(i).inPlayList != 0 || contains(fileName))
        return common::Status::failure(tr(kAnimationSelectedMessage));
    m_data.animations.removeAt(i);
    return changed();
}

common::Status PlayProject::setLoopText(const QString &fileName, const QString &text)
{
    AnimationEntry *entry = animationAt(fileName);
    if (!entry)
        return notListed(fileName);
    changed();
    const bool digitsOnly = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digitsOnly) {
        entry->loop = 1;
        return common::Status::failure(tr(kLoopCharactersMessage));
    }
    qint64 value = 0;
    for (const QChar c : text) {
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            entry->loop = 1;
            return common::Status::failure(
                tr("The number in LOOP is too large (at most %1).")
                    .arg(std::numeric_limits<std::int32_t>::max()));
        }
    }
    entry->loop = std::int32_t(value);
    return common::Status::success();
}

common::Status PlayProject::setSpeedChoice(const QString &fileName, int position)
{
    AnimationEntry *entry = animationAt(fileName);
    if (!entry)
        return notListed(fileName);
    if (position < 0 || position >= kSpeedChoiceCount)
        return noChoice(position);
    entry->speed = position + 1;
    return changed();
}

common::Status PlayProject::setFrameChoice(const QString &fileName, int position)
{
    AnimationEntry *entry = animationAt(fileName);
    if (!entry)
        return notListed(fileName);
    if (position < 0 || position >= kFrameStyleCount)
        return noChoice(position);
    entry->frameStyle = position + 1;
    return changed();
}

// --- Data messages -----------------------------------------------------------

ItemSettings *PlayProject::itemAt(int index)
{
    return index >= 0 && index < kItemCount ? &m_data.items[std::size_t(index)] : nullptr;
}

TextSettings *PlayProject::textAt(int index)
{
    return index >= 0 && index < kTextCount ? &m_data.texts[std::size_t(index)] : nullptr;
}

common::Status PlayProject::setItemTime(int item, int seconds)
{
    ItemSettings *s = itemAt(item);
    if (!s)
        return noMessage(item);
    if (item == 0 && (seconds < kMinHourTime || seconds > kMaxHourTime))
        return common::Status::failure(tr(kHourTimeRangeMessage));
    s->time = seconds;
    return changed();
}

common::Status PlayProject::setItemFrameChoice(int item, int position)
{
    ItemSettings *s = itemAt(item);
    if (!s)
        return noMessage(item);
    if (position < 0 || position >= kFrameStyleCount)
        return noChoice(position);
    s->frameStyle = position + 1;
    return changed();
}

common::Status PlayProject::checkBackAnimation(const QString &fileName) const
{
    if (fileName.isEmpty())
        return common::Status::success();
    const common::Status fits = checkAnimationName(fileName);
    if (!fits)
        return fits;
    if (!m_library.contains(fileName))
        return common::Status::failure(
            tr("\"%1\" is not a file of the animations folder.").arg(fileName));
    return common::Status::success();
}

common::Status PlayProject::setItemBackAnimation(int item, const QString &fileName)
{
    ItemSettings *s = itemAt(item);
    if (!s)
        return noMessage(item);
    const common::Status allowed = checkBackAnimation(fileName);
    if (!allowed)
        return allowed;
    s->backAnimation = fileName;
    return changed();
}

// --- Text messages -----------------------------------------------------------

common::Status PlayProject::setText(int text, const QString &value)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    if (value.size() > kMaxTextLength)
        return common::Status::failure(
            tr("A text can hold at most %1 characters.").arg(kMaxTextLength));
    if (!isAnsiText(value) || value.contains(QChar(0)))
        return common::Status::failure(tr("The text has characters that a play project cannot hold."));
    t->text = value;
    return changed();
}

common::Status PlayProject::setTextFont(int text, int position)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    if (position < 0)
        return noChoice(position);
    t->font = position;
    return changed();
}

common::Status PlayProject::setTextBold(int text, bool bold)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    t->bold = bold ? 1 : 0;
    return changed();
}

common::Status PlayProject::setTextItalic(int text, bool italic)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    t->italic = italic ? 1 : 0;
    return changed();
}

common::Status PlayProject::setTextSizeChoice(int text, int position)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    if (position < 0 || position >= kTextSizeCount)
        return noChoice(position);
    t->size = position;
    return changed();
}

common::Status PlayProject::setTextOffset(int text, int offset)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    t->offset = offset;
    return changed();
}

common::Status PlayProject::setTextSpeed(int text, int speed)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    if (speed < kMinTextSpeed || speed > kMaxTextSpeed)
        return common::Status::failure(
            tr("The speed of a text is %1 to %2.").arg(kMinTextSpeed).arg(kMaxTextSpeed));
    t->speed = speed;
    return changed();
}

common::Status PlayProject::setTextBackAnimation(int text, const QString &fileName)
{
    TextSettings *t = textAt(text);
    if (!t)
        return noMessage(text);
    const common::Status allowed = checkBackAnimation(fileName);
    if (!allowed)
        return allowed;
    t->backAnimation = fileName;
    return changed();
}

} // namespace halvane::project
