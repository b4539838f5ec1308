#include "common/profile.h"

#include "common/atomic_save.h"

#include <QCoreApplication>
#include <QFile>
#include <QLockFile>
#include <QMutex>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace common {
namespace {

// One line of the file as read, with what it means for lookups.
struct IniLine {
    QByteArray raw;          // the line's bytes as read, without its line end
    QByteArray eol;          // its own line end as read ("\r\n" or "\n"); empty for a new line
    bool unterminated = false; // the file's last line, read without a line end
    QString text;            // the line decoded, without its line end
    QString section;         // for a section line: its name
    QString key;             // for a key line: its trimmed name
    QString value;           // for a key line: its trimmed value
    bool isSection = false;
    bool isKey = false;
};

struct IniFile {
    QList<IniLine> lines;
    bool crlf = false;
    bool bom = false;
};

IniLine parseLine(const QString &text)
{
    IniLine line;
    line.text = text;
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('['))) {
        const qsizetype close = t.lastIndexOf(QLatin1Char(']'));
        line.isSection = true;
        line.section = (close > 0 ? t.mid(1, close - 1) : t.mid(1)).trimmed();
        return line;
    }
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return line;
    line.isKey = true;
    line.key = t.left(eq).trimmed();
    line.value = t.mid(eq + 1).trimmed();
    return line;
}

// A line as text: UTF-8 when it is valid UTF-8, else the single-byte
// Latin-1 reading, so a line an older program wrote in a Windows code page
// still reads and is written back unchanged.
QString decodeLine(const QByteArray &raw)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(raw);
    return utf8.hasError() ? QString::fromLatin1(raw) : text;
}

IniLine newLine(const QString &text)
{
    IniLine line = parseLine(text);
    line.raw = text.toUtf8();
    return line;
}

IniFile readIni(const QString &path)
{
    IniFile ini;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ini;
    QByteArray data = file.readAll();
    if (data.startsWith("\xEF\xBB\xBF")) {
        ini.bom = true;
        data.remove(0, 3);
    }
    ini.crlf = data.contains("\r\n");
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        const qsizetype end = newline < 0 ? data.size() : newline;
        QByteArray raw = data.mid(start, end - start);
        QByteArray eol = newline < 0 ? QByteArray() : QByteArray("\n");
        if (raw.endsWith('\r')) {
            raw.chop(1);
            eol.prepend('\r');
        }
        IniLine line = parseLine(decodeLine(raw));
        line.raw = std::move(raw);
        line.unterminated = newline < 0; // no LF: at most a CR ends it
        line.eol = std::move(eol);
        ini.lines.append(std::move(line));
        start = end + 1;
    }
    return ini;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the first section line with that name, or -1.
qsizetype findSection(const IniFile &ini, const QString &section)
{
    const QString wanted = section.trimmed();
    for (qsizetype i = 0; i < ini.lines.size(); ++i)
        if (ini.lines[i].isSection && sameName(ini.lines[i].section, wanted))
            return i;
    return -1;
}

// The end of a section's body: the index of the next section line or the end.
qsizetype sectionEnd(const IniFile &ini, qsizetype sectionLine)
{
    qsizetype i = sectionLine + 1;
    while (i < ini.lines.size() && !ini.lines[i].isSection)
        ++i;
    return i;
}

std::optional<qsizetype> findKey(const IniFile &ini, const QString &section, const QString &key)
{
    const qsizetype s = findSection(ini, section);
    if (s < 0)
        return std::nullopt;
    const QString wanted = key.trimmed();
    const qsizetype end = sectionEnd(ini, s);
    for (qsizetype i = s + 1; i < end; ++i)
        if (ini.lines[i].isKey && sameName(ini.lines[i].key, wanted))
            return i;
    return std::nullopt;
}

QString stripQuotes(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

std::optional<QString> lookup(const QString &section, const QString &key, const QString &path)
{
    const IniFile ini = readIni(path);
    const auto at = findKey(ini, section, key);
    if (!at)
        return std::nullopt;
    return stripQuotes(ini.lines[*at].value);
}

// Decimal value at the start of text, as the profile integer read does it:
// optional spaces and sign, then digits; anything else stops the number.
int leadingDecimal(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    quint32 value = 0; // wraps like a 32-bit register would
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i)
        value = value * 10u + quint32(text[i].unicode() - '0');
    if (negative)
        value = 0u - value;
    return int(value);
}

Status writeIni(const IniFile &ini, const QString &path)
{
    const QByteArray eol = ini.crlf ? "\r\n" : "\n";
    QByteArray out;
    if (ini.bom)
        out += "\xEF\xBB\xBF";
    for (qsizetype i = 0; i < ini.lines.size(); ++i) {
        const IniLine &line = ini.lines[i];
        out += line.raw;
        if (!line.unterminated)
            out += line.eol.isEmpty() ? eol : line.eol; // its own line end, or the file's for a new line
        else if (i + 1 < ini.lines.size())
            out += line.eol == "\r" ? QByteArray("\r\n") : eol; // the last line no longer is
        else
            out += line.eol; // still last: as it was, nothing or its CR
    }

    const Status saved = saveAtomically(path, out);
    if (!saved)
        return Status::failure(QCoreApplication::translate("common::Profile", "Cannot write %1: %2").arg(path, saved.message));
    return Status::success();
}

constexpr int kLockWaitMs = 5000;
constexpr int kStaleLockMs = 10000; // a writer holds the lock for milliseconds

QMutex &writeMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

int GetPrivateProfileIntA(const QString &section, const QString &key, int defaultValue,
                          const QString &path)
{
    const auto value = lookup(section, key, path);
    if (!value || value->isEmpty())
        return defaultValue;
    return leadingDecimal(*value);
}

QString GetPrivateProfileStringA(const QString &section, const QString &key,
                                 const QString &defaultValue, int size, const QString &path)
{
    if (size <= 0)
        return {};
    const QString value = lookup(section, key, path).value_or(defaultValue);
    return value.left(size - 1);
}

// A line break or NUL inside a name or value would split the line or cut the
// file short, and the next read would find other keys than were written.
static bool breaksLine(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.contains(QChar(u'\0'));
}

Status WritePrivateProfileStringA(const QString &section, const QString &key,
                                  const QString &value, const QString &path)
{
    if (breaksLine(section) || breaksLine(key) || breaksLine(value))
        return Status::failure(QCoreApplication::translate(
            "common::Profile", "The setting %1 in [%2] was not saved: a section, key or "
            "value may not contain a line break or a NUL character.")
                                   .arg(key.trimmed(), section.trimmed()));
    // One read-modify-write at a time, across the program's threads and
    // across programs: another writer's key is never lost to a stale read.
    const QMutexLocker threads(&writeMutex());
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(kStaleLockMs);
    // A folder that takes no lock file takes no new settings file either:
    // the write below then says why.
    if (!lock.tryLock(kLockWaitMs) && lock.error() == QLockFile::LockFailedError)
        return Status::failure(QCoreApplication::translate(
            "common::Profile", "The setting %1 in [%2] was not saved: another program keeps %3 locked.")
                                   .arg(key.trimmed(), section.trimmed(), path));
    const QString keyName = key.trimmed();
    // "[name=..." would read as a section line, "a=b=..." as key "a".
    if (keyName.startsWith(QLatin1Char('[')) || keyName.contains(QLatin1Char('=')))
        return Status::failure(QCoreApplication::translate(
            "common::Profile", "The setting %1 in [%2] was not saved: a key may not begin "
            "with '[' or contain '='.")
                                   .arg(keyName, section.trimmed()));
    IniFile ini = readIni(path);
    if (const auto at = findKey(ini, section, key)) {
        IniLine &line = ini.lines[*at];
        IniLine changed = newLine(line.key + QLatin1Char('=') + value);
        changed.eol = line.eol;
        changed.unterminated = line.unterminated;
        line = std::move(changed);
        return writeIni(ini, path);
    }
    const IniLine added = newLine(keyName + QLatin1Char('=') + value);
    const qsizetype s = findSection(ini, section);
    if (s < 0) {
        ini.lines.append(newLine(QLatin1Char('[') + section.trimmed() + QLatin1Char(']')));
        ini.lines.append(added);
        return writeIni(ini, path);
    }
    // After the section's last non-blank line, so blank separators stay below.
    qsizetype insertAt = sectionEnd(ini, s);
    while (insertAt > s + 1 && ini.lines[insertAt - 1].text.trimmed().isEmpty())
        --insertAt;
    ini.lines.insert(insertAt, added);
    return writeIni(ini, path);
}

} // namespace common
