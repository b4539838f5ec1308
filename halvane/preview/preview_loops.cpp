#include "halvane/preview/preview_loops.h"

#include "halvane/encode/frame_conversion.h"
#include "halvane/encode/text_strips.h"
#include "halvane/preview/canvas.h"
#include "halvane/preview/message_pictures.h"
#include "halvane/preview/outline.h"

namespace halvane::preview {

namespace {

constexpr int kNoSetting = -1; // an animation entry that is not to be shown

// A picture's steps: the rendered picture `loop` times with the outline of
// the seconds counter, 20 x speed ms each.
bool showPictureSteps(const QImage &picture, const project::AnimationEntry &entry, StepSink &sink)
{
    const int ms = speedStepMs(entry.speed, project::kSpeedOff);
    SecondsCounter seconds;
    for (std::int32_t n = 0; n < entry.loop; ++n) {
        QImage canvas = picture;
        drawOutline(canvas, entry.frameStyle, seconds.seconds());
        if (!sink.show(canvas, ms))
            return false;
        seconds.add(ms);
    }
    return true;
}

const project::AnimationEntry *shownEntry(const PreviewContext &context, const QString &fileName)
{
    const project::AnimationEntry *entry = findAnimation(context, fileName);
    if (!entry || entry->loop == kNoSetting || entry->speed == kNoSetting
        || entry->frameStyle == kNoSetting)
        return nullptr;
    return entry;
}

// The data message's canvas at the start of a step: outline, then the
// caption window inside it.
void finishMessageCanvas(QImage &canvas, const project::ItemSettings &item, long long seconds,
                         const CaptionStrip &caption, const common::CrossGeometry &geometry)
{
    drawOutline(canvas, item.frameStyle, seconds);
    placeCaption(canvas, caption.image, caption.windowStart, outlineThickness(item.frameStyle), geometry);
}

// Kinds 7 and 8: the animation list entry's file; a picture, or an animation
// of a single frame, is shown `loop` times as a still.
bool previewEntryFile(const PreviewContext &context, const QString &fileName, bool picture,
                      StepSink &sink)
{
    const project::AnimationEntry *entry = shownEntry(context, fileName);
    if (!entry)
        return true;
    const auto file = loadAnimationFile(context, fileName, sink);
    if (!file)
        return true;
    const int side = context.geometry.side;
    const int frames = file->frameCount();
    if (picture || frames < 2)
        return showPictureSteps(encode::renderFrame(*file, 0, side), *entry, sink);
    SecondsCounter seconds;
    for (std::int32_t n = 0; n < entry->loop; ++n) {
        for (int i = 0; i < frames; ++i) {
            QImage canvas = encode::renderFrame(*file, i, side);
            drawOutline(canvas, entry->frameStyle, seconds.seconds());
            const int ms = animationStepMs(*entry, *file, i);
            if (!sink.show(canvas, ms))
                return false;
            seconds.add(ms);
        }
    }
    return true;
}

} // namespace

bool previewAnimation(const PreviewContext &context, const QString &fileName, StepSink &sink)
{
    return previewEntryFile(context, fileName, false, sink);
}

bool previewPicture(const PreviewContext &context, const QString &fileName, StepSink &sink)
{
    return previewEntryFile(context, fileName, true, sink);
}

bool previewDataMessage(const PreviewContext &context, int item, StepSink &sink)
{
    const project::ItemSettings &settings = context.project.items[size_t(std::clamp(item, 0, 3))];
    const common::CrossGeometry &g = context.geometry;
    std::optional<common::gif::Picture> back;
    if (!loadBackAnimation(context, settings.backAnimation, sink, &back))
        return true;
    const CaptionStrip caption = renderCaptionStrip(dataMessageKind(item), g, context.now);
    const int frames = back ? back->frameCount() : 0;
    const QImage still = back ? encode::renderFrame(*back, 0, g.side) : blackCanvas(g);
    const long long duration = messageDurationMs(settings.time);
    SecondsCounter seconds;
    QImage canvas;
    for (long long elapsed = 0; elapsed < duration; elapsed += kMessageStepMs) {
        int ms = kMessageStepMs;
        if (frames >= 2) {
            const int frame = int((elapsed / kMessageStepMs) % frames);
            canvas = encode::renderFrame(*back, frame, g.side);
            ms = back->frameDelayMs(frame);
            finishMessageCanvas(canvas, settings, seconds.seconds(), caption, g);
        } else if (elapsed % 1000 == 0) {
            canvas = still;
            finishMessageCanvas(canvas, settings, seconds.seconds(), caption, g);
        }
        if (!sink.show(canvas, ms))
            return false;
        seconds.add(ms);
    }
    return true;
}

bool previewText(const PreviewContext &context, int text, StepSink &sink)
{
    const project::TextSettings &settings = context.project.texts[size_t(std::clamp(text, 0, 2))];
    const common::CrossGeometry &g = context.geometry;
    std::optional<common::gif::Picture> back;
    if (!loadBackAnimation(context, settings.backAnimation, sink, &back))
        return true;
    const QImage strip = encode::renderScrollingStrip(settings, context.fontNames, g);
    const int width = strip.width() - 2 * g.side - 3;
    const int frames = back ? back->frameCount() : 0;
    const int ms = speedStepMs(settings.speed, project::kMaxTextSpeed);
    QImage canvas = back && frames < 2 ? encode::renderFrame(*back, 0, g.side) : blackCanvas(g);
    long long before = 0; // the time of the steps so far
    for (int i = 0; i <= width + g.side + 2; ++i) {
        if (frames >= 2 && before % 100 == 0)
            canvas = encode::renderFrame(*back, i % frames, g.side);
        placeText(canvas, strip, i, g);
        if (!sink.show(canvas, ms))
            return false;
        before += ms;
    }
    return true;
}

bool runPreview(const PreviewContext &context, PreviewKind kind, const QString &fileName, StepSink &sink)
{
    switch (kind) {
    case PreviewKind::Text1:
    case PreviewKind::Text2:
    case PreviewKind::Text3:
        return previewText(context, int(kind) - int(PreviewKind::Text1), sink);
    case PreviewKind::Hour:
        return previewDataMessage(context, 0, sink);
    case PreviewKind::Date:
        return previewDataMessage(context, 1, sink);
    case PreviewKind::Temperature:
        return previewDataMessage(context, 2, sink);
    case PreviewKind::Humidity:
        return previewDataMessage(context, 3, sink);
    case PreviewKind::Animation:
        return previewAnimation(context, fileName, sink);
    case PreviewKind::Picture:
        return previewPicture(context, fileName, sink);
    case PreviewKind::PlayList:
        return previewPlayList(context, sink);
    }
    return true;
}

bool previewPlayList(const PreviewContext &context, StepSink &sink)
{
    for (const project::PlayListEntry &entry : context.project.playList) {
        const auto kind = previewKindForName(entry.name);
        if (kind && !runPreview(context, *kind, entry.name, sink))
            return false;
    }
    return true;
}

PreviewLoop previewLoop(PreviewContext context, PreviewKind kind, QString fileName)
{
    return [context = std::move(context), kind, fileName = std::move(fileName)](StepSink &sink) {
        return runPreview(context, kind, fileName, sink);
    };
}

} // namespace halvane::preview
