#include "tools/cross-sim/memory_view.h"

#include "dravelle/document/crs_writer.h"
#include "halvane/project/play_project_records.h"

#include <QDir>

#include <algorithm>

// The words and files of a memory view.

namespace cross_sim {

namespace {

constexpr std::uint8_t kGreen = 2; // colour code of a lit dot in the GIF pages

QString wordText(std::uint32_t address)
{
    return QStringLiteral("0x%1 (byte %2)").arg(address, 6, 16, QLatin1Char('0')).arg(qint64(address) * 2);
}

QString frameStyleText(int style)
{
    const QStringList names = halvane::project::frameStyleChoices();
    return style >= 1 && style <= names.size() ? names.at(style - 1) : QStringLiteral("%1 (unknown)").arg(style);
}

QString animationFile(int index)
{
    return QStringLiteral("animation-%1.gif").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QString textFile(int index)
{
    return QStringLiteral("text-%1.png").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QString animationRef(const MemoryView &view, std::uint32_t address)
{
    const int i = view.animationAt(address);
    return wordText(address) + (i >= 0 ? QStringLiteral(" -> ") + animationFile(i) : QString());
}

QString backText(const MemoryView &view, const TocEntryView &e)
{
    return e.animationAddress == 0 ? QStringLiteral("no back animation")
                                   : QStringLiteral("back animation at ") + animationRef(view, e.animationAddress);
}

QString entryWords(const MemoryView &view, const TocEntryView &e)
{
    const auto b = [&](int i) { return int(std::uint8_t(e.bytes[i])); };
    using Kind = TocEntryView::Kind;
    static const char *const kMessages[] = {"Hour", "Date", "Temperature", "Humidity"};
    switch (e.kind) {
    case Kind::Animation:
        return QStringLiteral("animation at %1, frame style %2, reserved %3, loop %4")
            .arg(animationRef(view, e.animationAddress), frameStyleText((b(5) & 0x0F) + 1))
            .arg(b(5) >> 4)
            .arg(b(10));
    case Kind::Picture:
        return QStringLiteral("picture at %1, frame style %2, loop %3")
            .arg(animationRef(view, e.animationAddress), frameStyleText(b(5) - 0x10 + 1))
            .arg(b(10));
    case Kind::Hour:
    case Kind::Date:
    case Kind::Temperature:
    case Kind::Humidity: {
        const int message = int(e.kind) - int(Kind::Hour);
        const int styleB = (b(6) >> 4) - (e.kind == Kind::Humidity ? 8 : 0);
        return QStringLiteral("%1, %2 s, frame style %3, style codes %4 and %5, %6")
            .arg(QString::fromLatin1(kMessages[message]))
            .arg(b(11))
            .arg(frameStyleText((b(5) & 0x0F) + 1))
            .arg(b(5) >> 4)
            .arg(styleB)
            .arg(backText(view, e));
    }
    case Kind::Text: {
        const int i = view.textAt(e.textAddress);
        return QStringLiteral("text at %1%2, %3")
            .arg(wordText(e.textAddress), i >= 0 ? QStringLiteral(" -> ") + textFile(i) : QString(),
                 backText(view, e));
    }
    case Kind::Unknown:
        break;
    }
    return QStringLiteral("not an entry the cross knows");
}

QString delaysText(const AnimationView &a)
{
    if (a.frames.empty())
        return QStringLiteral("no frames");
    const auto [low, high] = std::minmax_element(a.frames.begin(), a.frames.end(),
                                                 [](const FrameView &x, const FrameView &y) { return x.delayMs < y.delayMs; });
    const QString delays = a.frames.size() == 1 ? QStringLiteral("%1 ms").arg(low->delayMs)
                           : low->delayMs == high->delayMs
                               ? QStringLiteral("%1 ms each").arg(low->delayMs)
                               : QStringLiteral("%1 to %2 ms").arg(low->delayMs).arg(high->delayMs);
    return QStringLiteral("%1 frame%2, %3").arg(a.frames.size()).arg(a.frames.size() == 1 ? "" : "s", delays);
}

std::vector<dravelle::document::CrsPage> pages(const AnimationView &a, int side)
{
    std::vector<dravelle::document::CrsPage> out;
    for (const FrameView &f : a.frames) {
        dravelle::document::CrsPage page;
        page.delayMs = f.delayMs;
        page.colours.resize(std::size_t(side * side));
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (qGreen(f.dots.pixel(x, y)) != 0)
                    page.colours[std::size_t(x + y * side)] = kGreen;
        out.push_back(std::move(page));
    }
    return out;
}

} // namespace

QStringList describeMemoryView(const MemoryView &view)
{
    QStringList lines;
    lines << QStringLiteral("TOC: %1 entr%2").arg(view.toc.size()).arg(view.toc.size() == 1 ? "y" : "ies");
    for (std::size_t i = 0; i < view.toc.size(); ++i)
        lines << QStringLiteral("%1  %2  %3")
                     .arg(i + 1, 2)
                     .arg(QString::fromLatin1(view.toc[i].bytes.toHex(' ').toUpper()), entryWords(view, view.toc[i]));
    if (!view.tocProblem.isEmpty())
        lines << QStringLiteral("TOC: ") + view.tocProblem;
    for (std::size_t i = 0; i < view.animations.size(); ++i) {
        const AnimationView &a = view.animations[i];
        lines << QStringLiteral("%1  at %2: %3%4")
                     .arg(animationFile(int(i)), wordText(a.address), delaysText(a),
                          a.problem.isEmpty() ? QString() : QStringLiteral("; ") + a.problem);
    }
    for (std::size_t i = 0; i < view.texts.size(); ++i) {
        const TextView &t = view.texts[i];
        lines << (t.problem.isEmpty()
                      ? QStringLiteral("%1  at %2: %3 x %4 dots, speed %5")
                            .arg(textFile(int(i)), wordText(t.address))
                            .arg(t.band.width())
                            .arg(t.band.height())
                            .arg(t.speed)
                      : QStringLiteral("%1  at %2: %3").arg(textFile(int(i)), wordText(t.address), t.problem));
    }
    return lines;
}

common::Status writeMemoryView(const MemoryView &view, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return common::Status::failure(QStringLiteral("cannot create the folder %1").arg(folder));
    const QDir dir(folder);
    QFile toc(dir.filePath(QStringLiteral("toc.txt")));
    if (!toc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)
        || toc.write(describeMemoryView(view).join(QLatin1Char('\n')).toUtf8() + '\n') < 0)
        return common::Status::failure(QStringLiteral("cannot write %1").arg(toc.fileName()));
    for (std::size_t i = 0; i < view.animations.size(); ++i) {
        if (view.animations[i].frames.empty())
            continue;
        const common::Status s = dravelle::document::writeCrsFile(dir.filePath(animationFile(int(i))), view.side,
                                                                  pages(view.animations[i], view.side));
        if (!s)
            return s;
    }
    for (std::size_t i = 0; i < view.texts.size(); ++i)
        if (!view.texts[i].band.isNull() && !view.texts[i].band.save(dir.filePath(textFile(int(i))), "PNG"))
            return common::Status::failure(QStringLiteral("cannot write %1").arg(dir.filePath(textFile(int(i)))));
    return common::Status::success();
}

} // namespace cross_sim
