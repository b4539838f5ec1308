#include "halvane/cli/commands.h"

#include "halvane/encode/file_record_encoder.h"
#include "halvane/encode/memory_usage.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/play_project.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>
#include <optional>

// `project`: inspects and edits play projects (.plst) with the window's rules.
// A refused change prints the reason, saves nothing and exits 2; a file that
// cannot be read or written exits 3. The changing commands open the project
// as the window does (entries whose animation file has gone are dropped) and
// save it in place; they never change the window's last project (PREFILE).

namespace halvane::cli {

const char kProjectUsage[] =
    "play projects (.plst):\n"
    "              project show FILE [--json]     the whole project as stored\n"
    "              project new FILE               a new project listing animations/\n"
    "              project add FILE NAME...       tick NAME's Select box (animation or\n"
    "                                             Hour Date Temperature Humidity Text1..3)\n"
    "              project remove FILE NAME       remove the first play list entry NAME\n"
    "              project set FILE KEY=VALUE...  Text1.text=.. .font=NAME .bold=0|1\n"
    "                                             .italic=0|1 .size=16..30 .offset=N\n"
    "                                             .speed=1..7 .back=FILE (Text1..Text3);\n"
    "                                             Hour.time=N .frame=STYLE .back=FILE (and\n"
    "                                             Date, Temperature, Humidity);\n"
    "                                             anim.FILE.loop=N .speed=1..7|OFF\n"
    "                                             .frame=None|One dot|Two dots|Move|\n"
    "                                             Flash one dot|Flash two dots";

using namespace halvane::project;
using namespace halvane::settings;

namespace {

constexpr int kRefused = 2;

QString orNone(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

QString choiceText(const QStringList &choices, int position)
{
    return choices.value(position, QString::number(position));
}

// --- show --------------------------------------------------------------------

QJsonObject itemJson(const ItemSettings &s)
{
    return {{"selected", s.selected}, {"time", s.time},     {"frameStyle", s.frameStyle},
            {"styleA", s.styleA},     {"styleB", s.styleB}, {"backAnimation", s.backAnimation}};
}

QJsonObject textJson(const TextSettings &t)
{
    return {{"text", t.text},         {"font", t.font},
            {"bold", t.bold},         {"italic", t.italic},
            {"size", t.size},         {"reserved", t.reserved},
            {"offset", t.offset},     {"speed", t.speed},
            {"selected", t.selected}, {"backAnimation", t.backAnimation}};
}

QJsonObject projectJson(const PlayProject &p)
{
    QJsonArray playList;
    for (const PlayListEntry &e : p.playList())
        playList.append(e.name);
    QJsonArray animations;
    for (const AnimationEntry &a : p.animations())
        animations.append(QJsonObject{{"file", a.fileName},
                                      {"inPlayList", a.inPlayList},
                                      {"loop", a.loop},
                                      {"speed", a.speed},
                                      {"frameStyle", a.frameStyle},
                                      {"reserved", a.reserved}});
    QJsonObject items;
    for (int i = 0; i < kItemCount; ++i)
        items.insert(QLatin1String(kItemKeywords[std::size_t(i)]), itemJson(p.item(i)));
    QJsonObject texts;
    for (int i = 0; i < kTextCount; ++i)
        texts.insert(QLatin1String(kTextKeywords[std::size_t(i)]), textJson(p.text(i)));
    return {{"playList", playList}, {"animations", animations}, {"items", items}, {"texts", texts}};
}

void printPlayList(const PlayProject &p)
{
    static const char *kKindNames[] = {"animation", "text",        "Hour",
                                       "Date",      "Temperature", "Humidity"};
    out() << "Play list (" << p.playList().size() << " of " << kMaxPlayListEntries << "):\n";
    for (int i = 0; i < p.playList().size(); ++i) {
        if (i % kGroupSize == 0 && p.groupButtonsVisible())
            out() << "  Group" << (i / kGroupSize + 1) << "\n";
        const PlayListEntry &e = p.playList().at(i);
        out() << QStringLiteral("  %1  ").arg(i + 1, 2) << e.name.leftJustified(24) << " "
              << kKindNames[int(e.kind())] << "\n";
    }
}

void printAnimations(const PlayProject &p)
{
    out() << "Animation list (" << p.animations().size() << "):\n"
          << "  Select  Loop  Speed  Frame           Name\n";
    for (const AnimationEntry &a : p.animationRows())
        out() << "  " << (a.inPlayList ? "[x]" : "[ ]") << "   "
              << QStringLiteral("%1").arg(a.loop, 6) << "  "
              << choiceText(speedChoices(), a.speed - 1).leftJustified(5) << "  "
              << choiceText(frameStyleChoices(), a.frameStyle - 1).leftJustified(14) << "  "
              << a.fileName
              << (a.reserved != 2 ? QStringLiteral("  (reserved %1)").arg(a.reserved) : QString())
              << "\n";
}

void printMessages(const PlayProject &p)
{
    out() << "Data messages:\n";
    for (int i = 0; i < kItemCount; ++i) {
        const ItemSettings &s = p.item(i);
        out() << "  " << QString::fromLatin1(kItemKeywords[std::size_t(i)]).leftJustified(13)
              << "selected " << s.selected << "  time " << s.time << "  frame "
              << choiceText(frameStyleChoices(), s.frameStyle - 1) << "  style codes " << s.styleA
              << " " << s.styleB << "  back " << orNone(s.backAnimation) << "\n";
    }
    out() << "Text messages:\n";
    for (int i = 0; i < kTextCount; ++i) {
        const TextSettings &t = p.text(i);
        out() << "  " << QString::fromLatin1(kTextKeywords[std::size_t(i)]).leftJustified(13)
              << "selected " << t.selected << "  \"" << t.text << "\"\n"
              << QString(15, QLatin1Char(' ')) << "font " << t.font << "  bold " << t.bold
              << "  italic " << t.italic << "  size " << choiceText(textSizeChoices(), t.size)
              << "  offset " << t.offset << "  speed " << t.speed << "  reserved " << t.reserved
              << "  back " << orNone(t.backAnimation) << "\n";
    }
}

// How full the cross would be with the project, as the window's meter says.
encode::MemoryUsage memoryOf(const PlayProject &project)
{
    const QString ini = halvaneIniPath();
    encode::FileRecordEncoder encoder = encode::FileRecordEncoder::fromSettings(ini);
    return encode::measureMemory(project.data(), project.library(), encoder, readBootInt(ini, kKeyBaudRate, 0));
}

QJsonObject memoryJson(const encode::MemoryUsage &usage)
{
    QJsonObject regions;
    for (const encode::RegionUsage &region : usage.regions)
        regions.insert(QLatin1String(region.region.name),
                       QJsonObject{{"bytes", qint64(region.bytes)},
                                   {"capacity", qint64(region.region.capacity)},
                                   {"blocks", region.blocks},
                                   {"percent", region.percent()}});
    QJsonObject memory{{"regions", regions}, {"blocks", usage.totalBlocks}, {"sendMs", usage.sendMs},
                       {"fits", usage.fits()}};
    if (!usage.fits())
        memory.insert("refusal", usage.refusal);
    return memory;
}

void printMemory(const encode::MemoryUsage &usage)
{
    out() << "Cross memory:\n";
    for (const QString &line : usage.details())
        out() << "  " << line << "\n";
}

int runShow(const QStringList &files, bool json)
{
    if (files.size() != 1)
        return fail(QStringLiteral("usage: project show FILE.plst [--json]"), kRefused);
    PlayProject project;
    const common::Status loaded = project.load(files.first());
    if (!loaded)
        return fail(loaded.message, kFileError);
    const encode::MemoryUsage memory = memoryOf(project);
    if (json) {
        QJsonObject shown = projectJson(project);
        shown.insert("memory", memoryJson(memory));
        out() << QJsonDocument(shown).toJson(QJsonDocument::Indented);
    } else {
        out() << "Project: " << project.path() << "\n";
        printPlayList(project);
        printAnimations(project);
        printMessages(project);
        printMemory(memory);
    }
    out().flush();
    return 0;
}

// --- changes -----------------------------------------------------------------

int runNew(const QStringList &args)
{
    if (args.size() != 1)
        return fail(QStringLiteral("usage: project new FILE.plst"), kRefused);
    const QString file = args.first();
    if (QFileInfo::exists(file))
        return fail(QStringLiteral("\"%1\" already exists.").arg(file), kRefused);
    PlayProject project;
    const int frameDots = readStartupSettings(halvaneIniPath()).harnessFrameDots;
    const AnimationListBuild build = project.newProject(frameDots);
    for (const QString &refused : build.refused)
        err() << "halvane-cli: left out: " << refused << "\n";
    err().flush();
    const common::Status saved = project.saveAs(file);
    if (!saved)
        return fail(saved.message, kFileError);
    out() << "Created " << project.path() << " with " << project.animations().size()
          << " animations from " << project.library().folder() << "\n";
    out().flush();
    return 0;
}

// Opens FILE as the window does, lets `change` edit it and saves it when
// every change was accepted.
int changeProject(const QString &file, const std::function<common::Status(PlayProject &)> &change)
{
    PlayProject project;
    const common::Status opened = project.open(file);
    if (!opened)
        return fail(opened.message, kFileError);
    const common::Status changed = change(project);
    if (!changed)
        return fail(changed.message, kRefused);
    const common::Status saved = project.save();
    return saved ? 0 : fail(saved.message, kFileError);
}

int runAdd(const QStringList &args)
{
    if (args.size() < 2)
        return fail(QStringLiteral("usage: project add FILE.plst NAME..."), kRefused);
    return changeProject(args.first(), [&](PlayProject &p) {
        for (const QString &name : args.mid(1))
            if (const common::Status s = p.appendToPlayList(name); !s)
                return s;
        return common::Status::success();
    });
}

int runRemove(const QStringList &args)
{
    if (args.size() != 2)
        return fail(QStringLiteral("usage: project remove FILE.plst NAME"), kRefused);
    const QString name = args.at(1);
    return changeProject(args.first(), [&](PlayProject &p) {
        const auto &list = p.playList();
        const auto it = std::find_if(list.begin(), list.end(),
                                     [&](const PlayListEntry &e) { return e.name == name; });
        // The window removes only from the group it shows: show that entry's group first.
        if (it != list.end())
            p.showGroup(int(it - list.begin()) / kGroupSize);
        if (it == list.end() || !p.removeFromPlayList(name))
            return common::Status::failure(
                QStringLiteral("\"%1\" is not in the play list.").arg(name));
        return common::Status::success();
    });
}

// --- set -------------------------------------------------------------------

common::Status refused(const QString &why)
{
    return common::Status::failure(why);
}

common::Status unknownKey(const QString &key)
{
    return refused(
        QStringLiteral("unknown setting \"%1\" (see halvane-cli project help).").arg(key));
}

// The position of `value` in a drop-down list, ignoring case; -1 when absent.
int choiceIndex(const QStringList &choices, const QString &value)
{
    for (int i = 0; i < choices.size(); ++i)
        if (choices.at(i).compare(value, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// A number field as the window reads it; "Please enter an integer." otherwise.
common::Status withInteger(const QString &value, const std::function<common::Status(int)> &set)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    return ok ? set(number) : refused(QStringLiteral("Please enter an integer."));
}

common::Status withChoice(const QStringList &choices, const QString &value, const QString &what,
                          const std::function<common::Status(int)> &set)
{
    const int position = choiceIndex(choices, value);
    if (position < 0)
        return refused(
            QStringLiteral("%1 is one of: %2.").arg(what, choices.join(QStringLiteral(", "))));
    return set(position);
}

// anim.NAME.FIELD; NAME may hold dots of its own.
common::Status setAnimation(PlayProject &p, const QString &key, const QString &value)
{
    const QString rest = key.mid(5);
    const qsizetype dot = rest.lastIndexOf(QLatin1Char('.'));
    const QString name = rest.left(dot);
    const QString field = rest.mid(dot + 1);
    if (dot > 0 && field == QLatin1String("loop"))
        return p.setLoopText(name, value);
    if (dot > 0 && field == QLatin1String("speed"))
        return withChoice(speedChoices(), value, QStringLiteral("The speed"),
                          [&](int pos) { return p.setSpeedChoice(name, pos); });
    if (dot > 0 && field == QLatin1String("frame"))
        return withChoice(frameStyleChoices(), value, QStringLiteral("The frame"),
                          [&](int pos) { return p.setFrameChoice(name, pos); });
    return unknownKey(key);
}

std::optional<common::Status> setItem(PlayProject &p, int item, const QString &field,
                                      const QString &value)
{
    if (field == QLatin1String("time"))
        return withInteger(value, [&](int v) { return p.setItemTime(item, v); });
    if (field == QLatin1String("frame"))
        return withChoice(frameStyleChoices(), value, QStringLiteral("The frame"),
                          [&](int pos) { return p.setItemFrameChoice(item, pos); });
    if (field == QLatin1String("back"))
        return p.setItemBackAnimation(item, value);
    return std::nullopt;
}

common::Status withFlag(const QString &value, const std::function<common::Status(bool)> &set)
{
    if (value != QLatin1String("0") && value != QLatin1String("1"))
        return refused(QStringLiteral("Bold and italic are 0 or 1."));
    return set(value == QLatin1String("1"));
}

std::optional<common::Status> setText(PlayProject &p, int text, const QString &field,
                                      const QString &value)
{
    if (field == QLatin1String("text"))
        return p.setText(text, value);
    if (field == QLatin1String("font"))
        return withChoice(readFontNames(halvaneIniPath()), value, QStringLiteral("The font"),
                          [&](int pos) { return p.setTextFont(text, pos); });
    if (field == QLatin1String("bold"))
        return withFlag(value, [&](bool on) { return p.setTextBold(text, on); });
    if (field == QLatin1String("italic"))
        return withFlag(value, [&](bool on) { return p.setTextItalic(text, on); });
    if (field == QLatin1String("size"))
        return withChoice(textSizeChoices(), value, QStringLiteral("The size"),
                          [&](int pos) { return p.setTextSizeChoice(text, pos); });
    if (field == QLatin1String("offset"))
        return withInteger(value, [&](int v) { return p.setTextOffset(text, v); });
    if (field == QLatin1String("speed"))
        return withInteger(value, [&](int v) { return p.setTextSpeed(text, v); });
    if (field == QLatin1String("back"))
        return p.setTextBackAnimation(text, value);
    return std::nullopt;
}

common::Status applySetting(PlayProject &p, const QString &key, const QString &value)
{
    if (key.startsWith(QLatin1String("anim.")))
        return setAnimation(p, key, value);
    const QString message = key.section(QLatin1Char('.'), 0, 0);
    const QString field = key.section(QLatin1Char('.'), 1);
    std::optional<common::Status> applied;
    if (const auto item = itemIndex(message))
        applied = setItem(p, *item, field, value);
    else if (const auto text = textIndex(message))
        applied = setText(p, *text, field, value);
    return applied.value_or(unknownKey(key));
}

int runSet(const QStringList &args)
{
    if (args.size() < 2)
        return fail(QStringLiteral("usage: project set FILE.plst KEY=VALUE..."), kRefused);
    return changeProject(args.first(), [&](PlayProject &p) {
        for (const QString &setting : args.mid(1)) {
            const qsizetype eq = setting.indexOf(QLatin1Char('='));
            if (eq < 0)
                return common::Status::failure(
                    QStringLiteral("\"%1\" is not KEY=VALUE.").arg(setting));
            if (const common::Status s = applySetting(p, setting.left(eq), setting.mid(eq + 1)); !s)
                return s;
        }
        return common::Status::success();
    });
}

} // namespace

int runProject(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    const QString sub = args.value(0);
    const QStringList rest = args.mid(1);
    const bool json = parsed.has(QStringLiteral("--json"));
    if (sub == QLatin1String("show"))
        return runShow(rest, json);
    if (json)
        return fail(QStringLiteral("--json belongs to project show"), kRefused);
    if (sub == QLatin1String("new"))
        return runNew(rest);
    if (sub == QLatin1String("add"))
        return runAdd(rest);
    if (sub == QLatin1String("remove"))
        return runRemove(rest);
    if (sub == QLatin1String("set"))
        return runSet(rest);
    out() << "Usage: halvane-cli [--app-dir DIR] project ...\n" << kProjectUsage << "\n";
    out().flush();
    return sub == QLatin1String("help") ? 0 : kRefused;
}

} // namespace halvane::cli
