#include "halvane/project/play_project.h"

#include "halvane/project/ansi_text.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

// The animation list and the settings of the data and text messages.

namespace halvane::project {

namespace {


common::Status noMessage(int index)
{
    return common::Status::failure(PlayProject::tr("There is no message number %1.").arg(index));
}

common::Status notListed(const QString &fileName)
{
    return common::Status::failure(PlayProject::tr("\"%1\" is not in the animation list.").arg(fileName));
}

common::Status noChoice(int position)
{
    return common::Status::failure(PlayProject::tr("There is no choice %1 in that list.").arg(position));
}

// Applies `apply` to the record when there is one (else returns `missing`)
// and `allowed` holds, then announces it (`done` calls the project's change notice).
template <typename Record, typename Apply, typename Done>
common::Status edit(Record *record, const common::Status &missing, const common::Status &allowed,
                    Apply apply, Done done)
{
    if (!record)
        return missing;
    if (!allowed)
        return allowed;
    apply(*record);
    done();
    return allowed;
}

common::Status choiceIn(int position, int count)
{
    return position >= 0 && position < count ? common::Status::success() : noChoice(position);
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
    std::stable_sort(rows.begin(), rows.end(),
                     [](const AnimationEntry &a, const AnimationEntry &b) {
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
            m_dropped << list.at(i).fileName;
            list.removeAt(i);
            continue;
        }
        list[i].inPlayList = contains(list.at(i).fileName) ? 1 : 0;
        ++i;
    }
    notifyDropped(build.dropped);
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
    changed({ProjectChange::Part::Animation, name});
    return common::Status::success();
}

common::Status PlayProject::deleteAnimation(const QString &fileName)
{
    const int i = animationIndex(fileName);
    if (i < 0)
        return notListed(fileName);
    // The play list must never name an animation without its settings.
    if (m_data.animations.at(i).inPlayList != 0 || contains(fileName))
        return common::Status::failure(PlayProject::tr(kAnimationSelectedMessage));
    m_data.animations.removeAt(i);
    changed({ProjectChange::Part::Animation, fileName});
    return common::Status::success();
}

common::Status PlayProject::setLoopText(const QString &fileName, const QString &text)
{
    AnimationEntry *entry = animationAt(fileName);
    if (!entry)
        return notListed(fileName);
    changed({ProjectChange::Part::Animation, fileName});
    const bool digitsOnly = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digitsOnly) {
        entry->loop = 1;
        return common::Status::failure(PlayProject::tr(kLoopCharactersMessage));
    }
    qint64 value = 0;
    for (const QChar c : text) {
        value = value * 10 + (c.unicode() - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            entry->loop = 1;
            return common::Status::failure(PlayProject::tr("The number in LOOP is too large (at most %1).")
                                               .arg(std::numeric_limits<std::int32_t>::max()));
        }
    }
    entry->loop = std::int32_t(value);
    return common::Status::success();
}

common::Status PlayProject::setSpeedChoice(const QString &fileName, int position)
{
    return edit(
        animationAt(fileName), notListed(fileName), choiceIn(position, kSpeedChoiceCount),
        [&](AnimationEntry &a) { a.speed = position + 1; },
        [&] { changed({ProjectChange::Part::Animation, fileName}); });
}

common::Status PlayProject::setFrameChoice(const QString &fileName, int position)
{
    return edit(
        animationAt(fileName), notListed(fileName), choiceIn(position, kFrameStyleCount),
        [&](AnimationEntry &a) { a.frameStyle = position + 1; },
        [&] { changed({ProjectChange::Part::Animation, fileName}); });
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
    const bool inRange = item != 0 || (seconds >= kMinHourTime && seconds <= kMaxHourTime);
    const auto allowed =
        inRange ? common::Status::success() : common::Status::failure(PlayProject::tr(kHourTimeRangeMessage));
    return edit(
        itemAt(item), noMessage(item), allowed, [&](ItemSettings &s) { s.time = seconds; },
        [&] { changed({ProjectChange::Part::Item, {}, item}); });
}

common::Status PlayProject::setItemFrameChoice(int item, int position)
{
    return edit(
        itemAt(item), noMessage(item), choiceIn(position, kFrameStyleCount),
        [&](ItemSettings &s) { s.frameStyle = position + 1; },
        [&] { changed({ProjectChange::Part::Item, {}, item}); });
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
            PlayProject::tr("\"%1\" is not a file of the animations folder.").arg(fileName));
    return common::Status::success();
}

common::Status PlayProject::setItemBackAnimation(int item, const QString &fileName)
{
    return edit(
        itemAt(item), noMessage(item), checkBackAnimation(fileName),
        [&](ItemSettings &s) { s.backAnimation = fileName; },
        [&] { changed({ProjectChange::Part::Item, {}, item}); });
}

// --- Text messages -----------------------------------------------------------

common::Status PlayProject::setText(int text, const QString &value)
{
    common::Status allowed;
    if (value.size() > kMaxTextLength)
        allowed = common::Status::failure(
            PlayProject::tr("A text can hold at most %1 characters.").arg(kMaxTextLength));
    else if (!isAnsiText(value) || value.contains(QChar(0)))
        allowed =
            common::Status::failure(PlayProject::tr("The text has characters that a play project cannot hold."));
    return edit(
        textAt(text), noMessage(text), allowed, [&](TextSettings &t) { t.text = value; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextFont(int text, int position)
{
    return edit(
        textAt(text), noMessage(text), choiceIn(position, std::numeric_limits<int>::max()),
        [&](TextSettings &t) { t.font = position; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextBold(int text, bool bold)
{
    return edit(
        textAt(text), noMessage(text), {}, [&](TextSettings &t) { t.bold = bold ? 1 : 0; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextItalic(int text, bool italic)
{
    return edit(
        textAt(text), noMessage(text), {}, [&](TextSettings &t) { t.italic = italic ? 1 : 0; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextSizeChoice(int text, int position)
{
    return edit(
        textAt(text), noMessage(text), choiceIn(position, kTextSizeCount),
        [&](TextSettings &t) { t.size = position; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextOffset(int text, int offset)
{
    return edit(
        textAt(text), noMessage(text), {}, [&](TextSettings &t) { t.offset = offset; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextSpeed(int text, int speed)
{
    const auto allowed = speed >= kMinTextSpeed && speed <= kMaxTextSpeed
        ? common::Status::success()
        : common::Status::failure(
            PlayProject::tr("The speed of a text is %1 to %2.").arg(kMinTextSpeed).arg(kMaxTextSpeed));
    return edit(
        textAt(text), noMessage(text), allowed, [&](TextSettings &t) { t.speed = speed; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

common::Status PlayProject::setTextBackAnimation(int text, const QString &fileName)
{
    return edit(
        textAt(text), noMessage(text), checkBackAnimation(fileName),
        [&](TextSettings &t) { t.backAnimation = fileName; },
        [&] { changed({ProjectChange::Part::Text, {}, text}); });
}

} // namespace halvane::project
