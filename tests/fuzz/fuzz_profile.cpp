// libFuzzer target for the settings file: any bytes as Halvane.ini, then one
// key written. Either the write is refused and the file keeps its bytes, or
// the key reads back as written, every other key reads as before and every
// other line keeps its bytes.
//
// Input: section NUL key NUL value NUL, then the file's bytes.

#include "common/profile.h"
#include "tests/fuzz/fuzz_support.h"

#include <QList>
#include <QStringList>

#include <cstdint>
#include <utility>

namespace {

constexpr int kSize = 4096;
const QString kAbsent = QStringLiteral("\x01absent");

// The file's lines without their ends, after a byte order mark.
QList<QByteArray> linesOf(QByteArray file)
{
    if (file.startsWith("\xEF\xBB\xBF"))
        file.remove(0, 3);
    QList<QByteArray> lines = file.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// Names that could be sections or keys in the file: what stands between '['
// and ']' or before '=', on every line. Reading a pair that is not there
// gives the default, which must not change either.
std::pair<QStringList, QStringList> namesIn(const QList<QByteArray> &lines)
{
    QStringList sections{QString()};
    QStringList keys{QString()};
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
            sections << (close > 0 ? line.mid(1, close - 1) : line.mid(1));
        } else if (line.contains(QLatin1Char('='))) {
            keys << line.section(QLatin1Char('='), 0, 0);
        }
    }
    sections = sections.mid(0, 12);
    keys = keys.mid(0, 12);
    return {sections, keys};
}

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// The value a reader gets for what was written: without the spaces around
// it and without one pair of matching quotes, cut to the size asked for.
QString asRead(const QString &written)
{
    QString v = written.trimmed();
    if (v.size() >= 2 && (v.front() == QLatin1Char('"') || v.front() == QLatin1Char('\'')) && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(kSize - 1);
}

// Lines of `before` stand in `after` in order, with at most two lines
// changed or added in one place.
bool otherLinesKept(const QList<QByteArray> &before, const QList<QByteArray> &after)
{
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < before.size() - head && tail < after.size() - head
           && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return before.size() - head - tail <= 1 && after.size() - head - tail <= 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QList<QByteArray> parts = input.split('\0');
    if (parts.size() < 4)
        return 0;
    const QString section = QString::fromUtf8(parts[0]);
    const QString key = QString::fromUtf8(parts[1]);
    const QString value = QString::fromUtf8(parts[2]);
    const QByteArray file = input.mid(parts[0].size() + parts[1].size() + parts[2].size() + 3);

    const QString ini = fuzz::scratchFile(QStringLiteral("Halvane.ini"));
    fuzz::writeScratch(ini, file);
    const QList<QByteArray> linesBefore = linesOf(file);
    const auto [sections, keys] = namesIn(linesBefore);
    QStringList readBefore;
    for (const QString &s : sections)
        for (const QString &k : keys)
            readBefore << common::GetPrivateProfileStringA(s, k, kAbsent, kSize, ini);

    if (!common::WritePrivateProfileStringA(section, key, value, ini)) {
        FUZZ_CHECK(fuzz::readScratch(ini) == file, "a refused write leaves the file's bytes");
        return 0;
    }
    FUZZ_CHECK(common::GetPrivateProfileStringA(section, key, kAbsent, kSize, ini) == asRead(value),
               "the written key reads back as written");
    qsizetype i = 0;
    for (const QString &s : sections)
        for (const QString &k : keys) {
            if (!(sameName(s, section) && sameName(k, key)))
                FUZZ_CHECK(common::GetPrivateProfileStringA(s, k, kAbsent, kSize, ini) == readBefore[i],
                           "every other key reads as before");
            ++i;
        }
    if (!otherLinesKept(linesBefore, linesOf(fuzz::readScratch(ini))))
        std::fprintf(stderr, "before:\n%s\nafter:\n%s\n", file.toHex(' ').constData(), fuzz::readScratch(ini).toHex(' ').constData());
    FUZZ_CHECK(otherLinesKept(linesBefore, linesOf(fuzz::readScratch(ini))), "every other line keeps its bytes");
    return 0;
}
