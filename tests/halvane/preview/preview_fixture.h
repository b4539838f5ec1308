#pragma once

#include "dravelle/document/crs_writer.h"
#include "halvane/preview/preview_context.h"
#include "halvane/preview/step_sink.h"
#include "tests/common/temp_dir.h"

#include <QImage>

#include <vector>

namespace halvane::preview::testing {

inline constexpr QRgb kGreen = 0xFF00FF00u;
inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kRed = 0xFFFF0000u;

// Keeps every step of a loop; answers false at step `stopAt` (1-based), as a
// stop request between steps would.
class RecordingSink : public StepSink {
public:
    struct Step {
        QImage canvas;
        int ms;
    };

    explicit RecordingSink(int stopAt = -1) : m_stopAt(stopAt) {}

    bool show(const QImage &canvas, int durationMs) override
    {
        steps.push_back({canvas.copy(), durationMs});
        return int(steps.size()) != m_stopAt;
    }
    void message(const QString &text) override { messages << text; }

    long long totalMs() const
    {
        long long total = 0;
        for (const Step &s : steps)
            total += s.ms;
        return total;
    }
    bool lit(size_t step, int x, int y) const
    {
        return (steps.at(step).canvas.pixel(x, y) & 0x00FFFFFFu) != 0;
    }

    std::vector<Step> steps;
    QStringList messages;

private:
    int m_stopAt;
};

// A temporary application folder with an animations folder and a context
// over a fresh project: 48 cross, no harness frame dots, 9.05 on 7 March.
class PreviewTest : public TempDirTest {
protected:
    void SetUp() override
    {
        QDir().mkpath(path(QStringLiteral("animations")));
        context.library = project::AnimationLibrary(path(QStringLiteral("animations")));
        context.geometry = common::CrossGeometry{48, 0};
        context.fontNames = {QStringLiteral("DejaVu Sans")};
        context.now = QDateTime(QDate(2024, 3, 7), QTime(9, 5));
        context.project = project::defaultProjectData(0);
    }

    // A .crs of `frames` pages of `delayMs`; page i lights dot (20 + i, 5) red.
    void writeCrs(const QString &name, int frames, int delayMs, int side = 48)
    {
        std::vector<dravelle::document::CrsPage> pages;
        for (int i = 0; i < frames; ++i) {
            dravelle::document::CrsPage page;
            page.colours.assign(size_t(side * side), 0);
            page.colours[size_t(20 + i + 5 * side)] = 1;
            page.delayMs = delayMs;
            pages.push_back(page);
        }
        ASSERT_TRUE(dravelle::document::writeCrsFile(path(QStringLiteral("animations/") + name), side, pages));
    }

    // A picture whose dot (20, 20) is dark blue and the rest black.
    void writeBmp(const QString &name)
    {
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(Qt::black);
        image.setPixel(20, 20, qRgb(0, 0, 90));
        ASSERT_TRUE(image.save(path(QStringLiteral("animations/") + name), "BMP"));
    }

    project::AnimationEntry &addAnimation(const QString &name, int loop, int speed, int frameStyle)
    {
        project::AnimationEntry entry = project::defaultAnimationEntry(name);
        entry.loop = loop;
        entry.speed = speed;
        entry.frameStyle = frameStyle;
        context.project.animations.push_back(entry);
        return context.project.animations.back();
    }

    PreviewContext context;
};

} // namespace halvane::preview::testing
