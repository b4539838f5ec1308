#include "halvane/project/plst_file.h"

#include "halvane/project/animation_library.h"
#include "halvane/project/ansi_text.h"

#include "common/atomic_save.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace halvane::project {
namespace {

// The context of this file's texts in the translations.
struct PlstText {
    Q_DECLARE_TR_FUNCTIONS(PlstText)
};

// Reads fields in order from a buffer whose length was checked beforehand;
// the first fault is kept in `error` and later reads are ignored.
class FieldReader {
public:
    explicit FieldReader(const QByteArray &bytes) : m_bytes(bytes) {}

    void skip(int n) { m_pos += n; }

    std::int32_t integer()
    {
        const std::int32_t v = qFromLittleEndian<std::int32_t>(m_bytes.constData() + m_pos);
        m_pos += 4;
        return v;
    }

    // A NUL-terminated text in a field of `size` bytes; `what` names it in the error.
    QString text(int size, const QString &what)
    {
        const QByteArrayView field(m_bytes.constData() + m_pos, size);
        m_pos += size;
        const qsizetype nul = field.indexOf('\0');
        if (nul < 0) {
            fail(PlstText::tr("%1 has no end (no NUL in its %2 bytes)").arg(what).arg(size));
            return QString();
        }
        return ansiToString(field.first(nul));
    }

    void fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
    }

    // Checks a choice field; returns it either way.
    std::int32_t ranged(std::int32_t value, int lo, int hi, const QString &what)
    {
        if (value < lo || value > hi)
            fail(PlstText::tr("%1 is %2 (%3 to %4 expected)").arg(what).arg(value).arg(lo).arg(hi));
        return value;
    }

    void plainName(const QString &name, const QString &what, bool mayBeEmpty)
    {
        if (name.isEmpty() ? !mayBeEmpty : !isPlainFileName(name))
            fail(PlstText::tr("%1 \"%2\" is not a plain file name").arg(what, name));
    }

    QString error;

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

void readPlayList(FieldReader &r, qint64 n, PlayProjectData &d)
{
    for (qint64 i = 0; i < n; ++i) {
        const QString what = PlstText::tr("play list entry %1").arg(i + 1);
        PlayListEntry e{r.text(kNameFieldSize, what)};
        if (e.kind() == EntryKind::Animation)
            r.plainName(e.name, what, false);
        d.playList << e;
    }
}

void readAnimations(FieldReader &r, qint64 m, PlayProjectData &d)
{
    for (qint64 i = 0; i < m; ++i) {
        const QString what = PlstText::tr("animation entry %1").arg(i + 1);
        AnimationEntry a;
        a.inPlayList = r.integer();
        a.fileName = r.text(kNameFieldSize, what);
        r.plainName(a.fileName, what, false);
        a.loop = r.integer();
        a.speed = r.ranged(r.integer(), 1, kSpeedChoiceCount, PlstText::tr("the speed of %1").arg(what));
        a.frameStyle =
            r.ranged(r.integer(), 1, kFrameStyleCount, PlstText::tr("the frame style of %1").arg(what));
        a.reserved = r.integer();
        d.animations << a;
    }
}

void readItems(FieldReader &r, PlayProjectData &d)
{
    for (int i = 0; i < kItemCount; ++i) {
        const QString what = QString::fromLatin1(kItemKeywords[std::size_t(i)]);
        ItemSettings &s = d.items[std::size_t(i)];
        s.selected = r.integer();
        s.time = r.integer();
        s.frameStyle =
            r.ranged(r.integer(), 1, kFrameStyleCount, PlstText::tr("the frame style of %1").arg(what));
        s.styleA = r.integer();
        s.styleB = r.integer();
        s.backAnimation = r.text(kNameFieldSize, PlstText::tr("the back animation of %1").arg(what));
        r.plainName(s.backAnimation, PlstText::tr("the back animation of %1").arg(what), true);
    }
}

void readTexts(FieldReader &r, PlayProjectData &d)
{
    for (int i = 0; i < kTextCount; ++i) {
        const QString what = QString::fromLatin1(kTextKeywords[std::size_t(i)]);
        TextSettings &t = d.texts[std::size_t(i)];
        t.text = r.text(kTextFieldSize, PlstText::tr("the text of %1").arg(what));
        t.font = r.integer();
        t.bold = r.integer();
        t.italic = r.integer();
        t.size = r.ranged(r.integer(), 0, kTextSizeCount - 1, PlstText::tr("the size of %1").arg(what));
        t.reserved = r.integer();
        t.offset = r.integer();
        t.speed =
            r.ranged(r.integer(), kMinTextSpeed, kMaxTextSpeed, PlstText::tr("the speed of %1").arg(what));
        t.selected = r.integer();
        t.backAnimation = r.text(kNameFieldSize, PlstText::tr("the back animation of %1").arg(what));
        r.plainName(t.backAnimation, PlstText::tr("the back animation of %1").arg(what), true);
    }
}

// Checks the two counts against the length; returns an error text or "".
QString checkCounts(const QByteArray &bytes, qint64 *n, qint64 *m)
{
    const qint64 size = bytes.size();
    const QString tooShort = PlstText::tr("it is too short (%1 bytes)").arg(size);
    if (size < 4)
        return tooShort;
    *n = qFromLittleEndian<std::int32_t>(bytes.constData());
    if (*n < 0)
        return PlstText::tr("its play list count is negative (%1)").arg(*n);
    if (*n > kMaxPlayListEntries)
        return PlstText::tr("its play list has %1 entries (at most %2 expected)")
            .arg(*n)
            .arg(kMaxPlayListEntries);
    if (size < 8 + kPlayListEntrySize * *n)
        return tooShort;
    *m = qFromLittleEndian<std::int32_t>(bytes.constData() + 4 + kPlayListEntrySize * *n);
    if (*m < 0)
        return PlstText::tr("its animation count is negative (%1)").arg(*m);
    if (size != plstSize(*n, *m))
        return PlstText::tr("its length (%1 bytes) does not match its counts (%2 and %3 entries: %4 bytes)")
            .arg(size)
            .arg(*n)
            .arg(*m)
            .arg(plstSize(*n, *m));
    return QString();
}

// Appends a text field of `size` bytes; false when the text does not fit.
bool appendText(QByteArray &out, const QString &text, int size)
{
    const auto bytes = stringToAnsi(text);
    if (!bytes || bytes->size() >= size || bytes->contains('\0'))
        return false;
    out += *bytes;
    out += QByteArray(size - bytes->size(), '\0');
    return true;
}

void appendInt(QByteArray &out, std::int32_t value)
{
    char le[4];
    qToLittleEndian(value, le);
    out.append(le, 4);
}

} // namespace

qint64 plstSize(qint64 playListCount, qint64 animationCount)
{
    return kEmptyPlstSize + kPlayListEntrySize * playListCount
        + kAnimationEntrySize * animationCount;
}

common::Status decodePlst(const QByteArray &bytes, PlayProjectData *out)
{
    qint64 n = 0;
    qint64 m = 0;
    const QString countError = checkCounts(bytes, &n, &m);
    if (!countError.isEmpty())
        return common::Status::failure(PlstText::tr("is damaged: %1.").arg(countError));

    PlayProjectData data;
    FieldReader reader(bytes);
    reader.skip(4);
    readPlayList(reader, n, data);
    reader.skip(4);
    readAnimations(reader, m, data);
    readItems(reader, data);
    readTexts(reader, data);
    if (!reader.error.isEmpty())
        return common::Status::failure(PlstText::tr("is damaged: %1.").arg(reader.error));
    *out = std::move(data);
    return common::Status::success();
}

common::Status encodePlst(const PlayProjectData &data, QByteArray *out)
{
    if (data.playList.size() > kMaxPlayListEntries)
        return common::Status::failure(
            PlstText::tr("the play list has more than %1 entries.").arg(kMaxPlayListEntries));
    const auto badText = [](const QString &text) {
        return common::Status::failure(PlstText::tr("\"%1\" does not fit a play project (too long, or "
                                          "characters without a single-byte form).")
                                           .arg(text));
    };
    QByteArray bytes;
    bytes.reserve(plstSize(data.playList.size(), data.animations.size()));
    appendInt(bytes, std::int32_t(data.playList.size()));
    for (const PlayListEntry &e : data.playList)
        if (!appendText(bytes, e.name, kNameFieldSize))
            return badText(e.name);
    appendInt(bytes, std::int32_t(data.animations.size()));
    for (const AnimationEntry &a : data.animations) {
        appendInt(bytes, a.inPlayList);
        if (!appendText(bytes, a.fileName, kNameFieldSize))
            return badText(a.fileName);
        for (std::int32_t v : {a.loop, a.speed, a.frameStyle, a.reserved})
            appendInt(bytes, v);
    }
    for (const ItemSettings &s : data.items) {
        for (std::int32_t v : {s.selected, s.time, s.frameStyle, s.styleA, s.styleB})
            appendInt(bytes, v);
        if (!appendText(bytes, s.backAnimation, kNameFieldSize))
            return badText(s.backAnimation);
    }
    for (const TextSettings &t : data.texts) {
        if (!appendText(bytes, t.text, kTextFieldSize))
            return badText(t.text);
        for (std::int32_t v :
             {t.font, t.bold, t.italic, t.size, t.reserved, t.offset, t.speed, t.selected})
            appendInt(bytes, v);
        if (!appendText(bytes, t.backAnimation, kNameFieldSize))
            return badText(t.backAnimation);
    }
    *out = std::move(bytes);
    return common::Status::success();
}

common::Status readPlstFile(const QString &path, PlayProjectData *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return common::Status::failure(PlstText::tr("Cannot open \"%1\": %2.").arg(path, file.errorString()));
    // The counts bound the length, so a file far larger than 30 play list
    // entries and this many animations cannot be a project; do not read it whole.
    constexpr qint64 kMaxAnimations = 1'000'000;
    if (file.size() > plstSize(kMaxPlayListEntries, kMaxAnimations))
        return common::Status::failure(PlstText::tr("\"%1\" is too large to be a play project.").arg(path));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return common::Status::failure(PlstText::tr("Cannot read \"%1\": %2.").arg(path, file.errorString()));
    const common::Status decoded = decodePlst(bytes, out);
    if (!decoded)
        return common::Status::failure(QStringLiteral("\"%1\" %2").arg(path, decoded.message));
    return decoded;
}

common::Status writePlstFile(const QString &path, const PlayProjectData &data)
{
    QByteArray bytes;
    const common::Status encoded = encodePlst(data, &bytes);
    if (!encoded)
        return common::Status::failure(PlstText::tr("Cannot save \"%1\": %2").arg(path, encoded.message));
    const common::Status saved = common::saveAtomically(path, bytes);
    if (!saved)
        return common::Status::failure(PlstText::tr("Cannot save \"%1\": %2.").arg(path, saved.message));
    return common::Status::success();
}

QString withPlstExtension(const QString &path)
{
    return QFileInfo(path).suffix().isEmpty() && !path.isEmpty() ? path + QStringLiteral(".plst")
                                                                 : path;
}

} // namespace halvane::project
