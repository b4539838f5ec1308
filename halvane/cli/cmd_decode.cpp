#include "halvane/cli/commands.h"

#include "common/gif/picture.h"

#include <QDir>

namespace halvane::cli {

namespace {

constexpr int kNoGraphicControl = -1;

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void printFrames(const common::gif::Picture &picture)
{
    for (int i = 0; i < picture.frameCount(); ++i) {
        const common::gif::FrameInfo &f = picture.frameInfo(i);
        const QString delayField =
            f.delayField == kNoGraphicControl ? QStringLiteral("none") : QString::number(f.delayField);
        out() << QStringLiteral("Frame %1: rect %2, delay field %3, delay %4 ms, disposal %5")
                     .arg(i, 3, 10, QLatin1Char('0'))
                     .arg(rectText(f.rect), delayField)
                     .arg(picture.frameDelayMs(i))
                     .arg(f.disposal)
              << "\n";
    }
}

// Writes each composed frame (the single picture as frame 000) at the
// logical size; false with a message on the first file that fails.
bool writeFrames(const common::gif::Picture &picture, const QString &dir)
{
    if (!QDir().mkpath(dir)) {
        fail(QStringLiteral("cannot create the folder %1").arg(dir));
        return false;
    }
    const int count = picture.frameCount() >= 2 ? picture.frameCount() : 1;
    for (int i = 0; i < count; ++i) {
        const QImage image =
            picture.frameCount() >= 2 ? picture.composeFrame(i) : picture.renderSingle(picture.logicalSize());
        const QString path = QDir(dir).filePath(QStringLiteral("frame-%1.png").arg(i, 3, 10, QLatin1Char('0')));
        if (!image.save(path, "PNG")) {
            fail(QStringLiteral("cannot write %1").arg(path));
            return false;
        }
    }
    out() << "Wrote " << count << (count == 1 ? " frame" : " frames") << " to " << dir << "\n";
    return true;
}

} // namespace

// `decode FILE [--out DIR]`: what the picture loader makes of a file: the
// logical size, the frame count and each frame's rectangle, delay and
// disposal; with --out the composed frames as PNG files.
int runDecode(const Arguments &parsed)
{
    const QStringList &args = parsed.positional;
    if (args.size() != 1 || (parsed.has(QStringLiteral("--out")) && parsed.value(QStringLiteral("--out")).isEmpty()))
        return fail(QStringLiteral("usage: halvane-cli decode FILE [--out DIR]"), 2);
    const QString &file = args.first();
    const QString outDir = parsed.value(QStringLiteral("--out"));
    const common::gif::Picture picture = common::gif::Picture::fromFile(file);
    if (picture.isNull())
        return fail(QStringLiteral("%1 cannot be decoded: %2").arg(file, picture.errorString()));
    const QSize size = picture.logicalSize();
    out() << "Logical size: " << size.width() << " x " << size.height() << "\n"
          << "Frames:       " << picture.frameCount()
          << (picture.frameCount() == 0 ? " (single picture)" : "") << "\n";
    printFrames(picture);
    out().flush();
    const bool written = outDir.isEmpty() || writeFrames(picture, outDir);
    out().flush();
    return written ? 0 : 1;
}

} // namespace halvane::cli
