#include "halvane/preview/thumbnail_loops.h"

#include "halvane/encode/frame_conversion.h"
#include "halvane/encode/text_strips.h"
#include "halvane/preview/canvas.h"
#include "halvane/preview/message_pictures.h"
#include "halvane/preview/outline.h"

namespace halvane::preview {

namespace {

// A .crs: every frame in turn, from the first again after the last.
bool animationThumbnail(const PreviewContext &context, const project::AnimationEntry &entry,
                        StepSink &sink)
{
    const auto file = loadAnimationFile(context, entry.fileName, sink);
    if (!file)
        return true;
    const int frames = std::max(1, file->frameCount());
    SecondsCounter seconds;
    for (int i = 0;; i = (i + 1) % frames) {
        QImage canvas = encode::renderFrame(*file, i, context.geometry.side);
        drawOutline(canvas, entry.frameStyle, seconds.seconds());
        makeLitPixelsGreen(canvas);
        const int ms = animationStepMs(entry, *file, i);
        if (!sink.show(canvas, ms))
            return false;
        seconds.add(ms);
    }
}

// A .bmp or .jpg: the same picture over and over with its outline.
bool pictureThumbnail(const PreviewContext &context, const project::AnimationEntry &entry,
                      StepSink &sink)
{
    const auto file = loadAnimationFile(context, entry.fileName, sink);
    if (!file)
        return true;
    const QImage picture = encode::renderFrame(*file, 0, context.geometry.side);
    const int ms = speedStepMs(entry.speed, project::kSpeedOff);
    SecondsCounter seconds;
    for (;;) {
        QImage canvas = picture;
        drawOutline(canvas, entry.frameStyle, seconds.seconds());
        makeLitPixelsGreen(canvas);
        if (!sink.show(canvas, ms))
            return false;
        seconds.add(ms);
    }
}

// Hour, Date, Temperature, Humidity: passes of the message's time in 100 ms
// steps. A pass lasts at least one step, so a time of 0 cannot spin.
bool messageThumbnail(const PreviewContext &context, int item, StepSink &sink)
{
    const project::ItemSettings &settings = context.project.items[size_t(item)];
    const common::CrossGeometry &g = context.geometry;
    std::optional<common::gif::Picture> back;
    if (!loadBackAnimation(context, settings.backAnimation, sink, &back))
        return true;
    const QImage caption = encode::renderCaption(dataMessageKind(item), g, context.now);
    const int t = outlineThickness(settings.frameStyle);
    const int frames = back ? back->frameCount() : 0;
    const QImage still = back ? encode::renderFrame(*back, 0, g.side) : blackCanvas(g);
    const long long pass = std::max<long long>(messageDurationMs(settings.time), kMessageStepMs);
    SecondsCounter seconds;
    QImage canvas;
    for (;;) {
        for (long long step = 0; step * kMessageStepMs < pass; ++step) {
            int ms = kMessageStepMs;
            const bool fresh = frames >= 2 || (step * kMessageStepMs) % 1000 == 0;
            if (frames >= 2) {
                canvas = encode::renderFrame(*back, int(step % frames), g.side);
                ms = back->frameDelayMs(int(step % frames));
            } else if (fresh) {
                canvas = still;
            }
            if (fresh) {
                drawOutline(canvas, settings.frameStyle, seconds.seconds());
                placeCaption(canvas, caption, 0, t, g);
            }
            if (!sink.show(canvas, ms))
                return false;
            seconds.add(ms);
        }
    }
}

// Text1..3: the beginning of the text over the back animation.
bool textThumbnail(const PreviewContext &context, int text, StepSink &sink)
{
    const project::TextSettings &settings = context.project.texts[size_t(text)];
    const common::CrossGeometry &g = context.geometry;
    std::optional<common::gif::Picture> back;
    if (!loadBackAnimation(context, settings.backAnimation, sink, &back))
        return true;
    const QImage strip = encode::renderThumbnailStrip(settings, context.fontNames, g);
    const int frames = back ? back->frameCount() : 0;
    const int ms = speedStepMs(settings.speed, project::kMaxTextSpeed);
    QImage canvas = back ? encode::renderFrame(*back, 0, g.side) : blackCanvas(g);
    placeText(canvas, strip, 0, g);
    if (!back)
        return sink.show(canvas, ms); // shown once; the thumbnail keeps the picture
    if (frames < 2) {
        while (sink.show(canvas, ms)) {
        }
        return false;
    }
    canvas = blackCanvas(g);
    for (;;) {
        long long sum = 0; // the delays of this pass so far
        for (int i = 0; i < frames; ++i) {
            const int u = back->frameDelayMs(i);
            sum += u;
            if (sum % 100 == 0)
                canvas = encode::renderFrame(*back, i, g.side);
            placeText(canvas, strip, 0, g);
            if (!sink.show(canvas, u))
                return false;
        }
    }
}

} // namespace

bool thumbnailLoop(const PreviewContext &context, const QString &name, StepSink &sink)
{
    if (const auto text = project::textIndex(name))
        return textThumbnail(context, *text, sink);
    if (const auto item = project::itemIndex(name))
        return messageThumbnail(context, *item, sink);
    const auto kind = previewKindForName(name);
    const project::AnimationEntry *entry = findAnimation(context, name);
    if (!kind || !entry)
        return true;
    return *kind == PreviewKind::Animation ? animationThumbnail(context, *entry, sink)
                                           : pictureThumbnail(context, *entry, sink);
}

std::vector<PreviewLoop> thumbnailLoops(const PreviewContext &context, int group)
{
    std::vector<PreviewLoop> loops;
    const auto &playList = context.project.playList;
    const qsizetype first = qsizetype(std::max(group, 0)) * project::kGroupSize;
    for (qsizetype i = first; i < playList.size() && i < first + project::kGroupSize; ++i)
        loops.push_back([context, name = playList[i].name](StepSink &sink) {
            return thumbnailLoop(context, name, sink);
        });
    return loops;
}

} // namespace halvane::preview
