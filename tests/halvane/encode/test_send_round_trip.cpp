// Randomized round trip: generated play projects (random play lists of
// random .crs, .bmp and .jpg animations with random loops, speeds and frame
// styles, data messages with back animations, texts of random words, fonts,
// sizes and speeds) are built with the real encoders and sent in virtual time
// to a virtual cross. Read back from the cross's memory as the cross plays it,
// every TOC entry names what the project asked for, and every frame and text
// band is dot for dot what the encoders were given. The seed is fixed; set
// CROSS_ROUND_TRIP_SEED to try others.

#include "halvane/encode/file_record_encoder.h"
#include "halvane/encode/dot_image.h"
#include "halvane/encode/frame_conversion.h"
#include "halvane/encode/frame_record.h"
#include "halvane/encode/send_job.h"
#include "halvane/encode/text_record.h"
#include "tests/common/gui_application.h"
#include "tests/common/temp_dir.h"
#include "tests/halvane/link/sim_link.h"
#include "tools/cross-sim/memory_view.h"

#include "common/cross_geometry.h"
#include "dravelle/document/crs_writer.h"

#include <QImage>

#include <random>

using namespace halvane::encode;
using halvane::project::AnimationEntry;
using halvane::project::PlayProjectData;
using halvane::project::TextSettings;
using Kind = cross_sim::TocEntryView::Kind;

namespace {

class Quiet : public SendObserver {
public:
    void statusChanged(const QString &) override {}
    void progressChanged(int, int) override {}
    void warning(const QString &text) override { ADD_FAILURE() << "warning: " << text.toStdString(); }
};

// The frames an animation file should play as: lit dots and delays.
struct ExpectedFrame {
    QImage lit; // S x S, white where lit
    int delayMs = 0;
};

struct AnimationFile {
    QString name;
    std::vector<ExpectedFrame> frames; // delays as the file gives them (.crs) or 0
};

int pick(std::mt19937 &random, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

QImage litOf(const QImage &picture, int side)
{
    QImage lit(side, side, QImage::Format_RGB32);
    lit.fill(Qt::black);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            if (common::CrossGeometry::inCross(side, x, y) && isLit(picture.pixel(x, y)))
                lit.setPixel(x, y, 0xFFFFFFFFu);
    return lit;
}

class RoundTrip {
public:
    RoundTrip(std::uint32_t seed, QString folder) : m_random(seed), m_folder(std::move(folder)) {}

    int side = 48;
    int frameDots = 0;
    std::vector<AnimationFile> files;
    PlayProjectData project = halvane::project::defaultProjectData(0);

    void generate()
    {
        side = pick(m_random, 0, 1) ? 64 : 48;
        frameDots = pick(m_random, 0, 3);
        const int fileCount = pick(m_random, 1, 5);
        for (int i = 0; i < fileCount; ++i) {
            const int kind = pick(m_random, 0, 4); // .crs more often than pictures
            files.push_back(kind <= 2 ? writeCrs(i) : writePicture(i, kind == 3 ? "bmp" : "jpg"));
        }
        project = halvane::project::defaultProjectData(frameDots);
        for (const AnimationFile &f : files) {
            AnimationEntry a = halvane::project::defaultAnimationEntry(f.name);
            a.loop = pick(m_random, 0, 300);
            a.speed = pick(m_random, 1, halvane::project::kSpeedChoiceCount);
            a.frameStyle = pick(m_random, 1, halvane::project::kFrameStyleCount);
            project.animations.append(a);
        }
        QStringList names;
        for (const AnimationFile &f : files)
            names << f.name;
        names << QStringLiteral("Hour") << QStringLiteral("Date") << QStringLiteral("Temperature")
              << QStringLiteral("Humidity") << QStringLiteral("Text1") << QStringLiteral("Text2")
              << QStringLiteral("Text3");
        std::shuffle(names.begin(), names.end(), m_random);
        for (const QString &name : names.mid(0, pick(m_random, 1, int(names.size()))))
            project.playList.append({name});
        for (auto &item : project.items) {
            item.time = pick(m_random, 1, 1000);
            item.frameStyle = pick(m_random, 1, halvane::project::kFrameStyleCount);
            item.backAnimation = backAnimation();
        }
        for (TextSettings &t : project.texts) {
            t.text = words();
            t.font = pick(m_random, 0, 2);
            t.bold = pick(m_random, 0, 1);
            t.italic = pick(m_random, 0, 1);
            t.size = pick(m_random, 0, halvane::project::kTextSizeCount - 1);
            t.offset = pick(m_random, -3, 3);
            t.speed = pick(m_random, halvane::project::kMinTextSpeed, halvane::project::kMaxTextSpeed);
            t.backAnimation = backAnimation();
        }
    }

    QString settings() const
    {
        return QStringLiteral("[BOOT]\nPORT=1\nBAUDRATE=9600\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\nCROSSSTYLE=%1\nHARNESSFRAMEDOTS=%2\n"
                              "[FONT]\nFONTNUM=3\nFONT1=Liberation Sans\nFONT2=DejaVu Sans\nFONT3=Liberation Serif\n")
            .arg(side == 64 ? 1 : 0)
            .arg(frameDots);
    }

private:
    QString filePath(const QString &name) const { return m_folder + QStringLiteral("/animations/") + name; }

    AnimationFile writeCrs(int index)
    {
        AnimationFile file{QStringLiteral("anim%1.crs").arg(index), {}};
        std::vector<dravelle::document::CrsPage> pages(std::size_t(pick(m_random, 1, 6)));
        for (auto &page : pages) {
            page.colours.resize(std::size_t(side * side));
            const int density = pick(m_random, 0, 100);
            for (auto &c : page.colours)
                c = pick(m_random, 0, 99) < density ? std::uint8_t(pick(m_random, 1, 7)) : 0;
            page.delayMs = 10 * pick(m_random, 5, 300);
            QImage picture(side, side, QImage::Format_RGB32);
            for (int i = 0; i < side * side; ++i)
                picture.setPixel(i % side, i / side, page.colours[std::size_t(i)] ? 0xFFFFFFFFu : 0xFF000000u);
            file.frames.push_back({litOf(picture, side), page.delayMs});
        }
        EXPECT_TRUE(dravelle::document::writeCrsFile(filePath(file.name), side, pages));
        return file;
    }

    AnimationFile writePicture(int index, const char *suffix)
    {
        AnimationFile file{QStringLiteral("pic%1.%2").arg(index).arg(QLatin1String(suffix)), {}};
        QImage picture(side, side, QImage::Format_RGB32);
        const int density = pick(m_random, 0, 100);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                picture.setPixel(x, y, pick(m_random, 0, 99) < density ? qRgb(pick(m_random, 0, 255), 255, pick(m_random, 0, 255))
                                                                       : qRgb(0, 0, 0));
        EXPECT_TRUE(picture.save(filePath(file.name), suffix, 90));
        // What the encoder is given is the picture as decoded (a JPEG's dots
        // are not quite the ones saved).
        file.frames.push_back({litOf(QImage(filePath(file.name)).convertToFormat(QImage::Format_RGB32), side), 0});
        return file;
    }

    QString backAnimation()
    {
        if (pick(m_random, 0, 2) == 0)
            return {};
        return files[std::size_t(pick(m_random, 0, int(files.size()) - 1))].name;
    }

    QString words()
    {
        static const QString kLetters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJ0123456789  .,:!?\u00e9\u00fc\u00df\u20ac");
        QString text;
        const int length = pick(m_random, 0, 30);
        for (int i = 0; i < length; ++i)
            text += kLetters[pick(m_random, 0, int(kLetters.size()) - 1)];
        return text;
    }

    std::mt19937 m_random;
    QString m_folder;
};

// The delay the cross shows a frame for, in its 4 ms units back in ms.
int shown(int delayMs)
{
    return delayUnits(delayMs) * 4;
}

// The band of a text as the text record's packer is given it: the text area
// of the font, drawn at the message's offset, laid into the band below the
// harness frame rows.
QImage expectedBand(const TextSettings &text, const QStringList &fonts, const common::CrossGeometry &g)
{
    const QFont font = engineFont(textFont(text, fonts, g));
    const QString line = lineText(text);
    const int width = padToByte(measureText(font, line)) + g.side;
    const int fd = common::CrossGeometry::clampFrameDots(g.harnessFrameDots);
    QImage area = blackImage(width, g.barHeight() - 2 * fd);
    drawTextLine(area, font, line, 0, textTop(text));
    QImage band(width, g.barHeight(), QImage::Format_RGB32);
    band.fill(Qt::black);
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < width; ++x)
            if (isLit(area.pixel(x, y)))
                band.setPixel(x, y + fd, 0xFFFFFFFFu);
    return band;
}

QImage litImage(const QImage &dots)
{
    QImage lit(dots.size(), QImage::Format_RGB32);
    for (int y = 0; y < dots.height(); ++y)
        for (int x = 0; x < dots.width(); ++x)
            lit.setPixel(x, y, isLit(dots.pixel(x, y)) ? 0xFFFFFFFFu : 0xFF000000u);
    return lit;
}

class SendRoundTripTest : public TempDirTest {
protected:
    // Checks one animation read back against the file it came from.
    void expectAnimation(const cross_sim::MemoryView &view, std::uint32_t address, const AnimationFile &file,
                         int speed, bool picture)
    {
        SCOPED_TRACE(file.name.toStdString());
        const int at = view.animationAt(address);
        ASSERT_GE(at, 0) << "an animation at " << address;
        const cross_sim::AnimationView &animation = view.animations[std::size_t(at)];
        EXPECT_TRUE(animation.problem.isEmpty()) << animation.problem.toStdString();
        ASSERT_EQ(animation.frames.size(), file.frames.size());
        for (std::size_t i = 0; i < file.frames.size(); ++i) {
            int delay = picture ? pictureDelayMs(speed) : animationDelayMs(speed);
            if (!picture && speed == halvane::project::kSpeedOff && file.frames.size() > 1)
                delay = file.frames[i].delayMs;
            EXPECT_EQ(animation.frames[i].delayMs, shown(delay)) << "frame " << i;
            EXPECT_EQ(litImage(animation.frames[i].dots), file.frames[i].lit) << "frame " << i;
        }
    }

    const AnimationFile &fileNamed(const RoundTrip &trip, const QString &name)
    {
        for (const AnimationFile &f : trip.files)
            if (f.name == name)
                return f;
        static const AnimationFile none;
        ADD_FAILURE() << "no file " << name.toStdString();
        return none;
    }

    void expectRoundTrip(const RoundTrip &trip, const cross_sim::MemoryView &view)
    {
        const PlayProjectData &p = trip.project;
        ASSERT_TRUE(view.tocProblem.isEmpty()) << view.tocProblem.toStdString();
        ASSERT_EQ(view.toc.size(), std::size_t(p.playList.size()));
        const common::CrossGeometry geometry = common::CrossGeometry::fromSettings(trip.side == 64, trip.frameDots);
        const QStringList fonts{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Serif")};
        for (qsizetype i = 0; i < p.playList.size(); ++i) {
            const QString &name = p.playList[i].name;
            SCOPED_TRACE(name.toStdString());
            const cross_sim::TocEntryView &entry = view.toc[std::size_t(i)];
            const halvane::project::EntryKind kind = p.playList[i].kind();
            if (kind == halvane::project::EntryKind::Animation) {
                const AnimationEntry *a = nullptr;
                for (const AnimationEntry &e : p.animations)
                    if (e.fileName == name)
                        a = &e;
                ASSERT_TRUE(a);
                const bool picture = !name.endsWith(QLatin1String(".crs"));
                EXPECT_EQ(entry.kind, picture ? Kind::Picture : Kind::Animation);
                EXPECT_EQ(std::uint8_t(entry.bytes[10]), std::uint8_t(a->loop & 0xFF));
                EXPECT_EQ(std::uint8_t(entry.bytes[5]) & 0x0F, a->frameStyle - 1);
                expectAnimation(view, entry.animationAddress, fileNamed(trip, name), a->speed, picture);
                continue;
            }
            QString back;
            if (kind == halvane::project::EntryKind::Text) {
                const int t = name.back().digitValue() - 1;
                const TextSettings &text = p.texts[std::size_t(t)];
                back = text.backAnimation;
                EXPECT_EQ(entry.kind, Kind::Text);
                const int at = view.textAt(entry.textAddress);
                ASSERT_GE(at, 0);
                const cross_sim::TextView &shownText = view.texts[std::size_t(at)];
                EXPECT_TRUE(shownText.problem.isEmpty()) << shownText.problem.toStdString();
                EXPECT_EQ(shownText.speed, text.speed);
                EXPECT_EQ(litImage(shownText.band), expectedBand(text, fonts, geometry))
                    << "\"" << text.text.toStdString() << "\"";
            } else {
                const int item = int(std::find_if(halvane::project::kItemKeywords.begin(), halvane::project::kItemKeywords.end(),
                                                  [&](const char *k) { return name == QLatin1String(k); })
                                     - halvane::project::kItemKeywords.begin());
                ASSERT_LT(item, halvane::project::kItemCount);
                back = p.items[std::size_t(item)].backAnimation;
                EXPECT_EQ(entry.kind, (std::array{Kind::Hour, Kind::Date, Kind::Temperature, Kind::Humidity})[std::size_t(item)]);
                EXPECT_EQ(std::uint8_t(entry.bytes[11]), std::uint8_t(p.items[std::size_t(item)].time & 0xFF));
            }
            if (back.isEmpty())
                EXPECT_EQ(entry.animationAddress, 0u);
            else
                expectAnimation(view, entry.animationAddress, fileNamed(trip, back), halvane::project::kSpeedOff, false);
        }
    }
};

std::uint32_t roundTripSeed()
{
    bool ok = false;
    const std::uint32_t chosen = qEnvironmentVariable("CROSS_ROUND_TRIP_SEED").toUInt(&ok);
    return ok ? chosen : 0x5EED2026u;
}

} // namespace

TEST_F(SendRoundTripTest, RandomProjectsArriveDotForDot)
{
    constexpr int kProjects = 300;
    const std::uint32_t seed = roundTripSeed();
    std::mt19937 seeds(seed);
    for (int n = 0; n < kProjects; ++n) {
        const std::uint32_t projectSeed = seeds();
        SCOPED_TRACE(::testing::Message() << "seed " << seed << ", project " << n << " (CROSS_ROUND_TRIP_SEED="
                                          << seed << ")");
        QTemporaryDir folder;
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("animations")));
        RoundTrip trip(projectSeed, folder.path());
        trip.generate();
        QFile ini(folder.filePath(QStringLiteral("Halvane.ini")));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(trip.settings().toUtf8());
        ini.close();

        link_test::SimLink sim;
        link_test::SimLine &line = sim.ports.addCross(1);
        FileRecordEncoder encoder = FileRecordEncoder::fromSettings(ini.fileName());
        Quiet quiet;
        SendJob job(sim.context(folder.path()), encoder, quiet);
        const SendResult result =
            job.run(trip.project, halvane::project::AnimationLibrary(folder.filePath(QStringLiteral("animations"))));
        ASSERT_TRUE(result.ok()) << result.status.toStdString();
        expectRoundTrip(trip, cross_sim::readMemoryView(line.cross()->state().memory, trip.side));
        if (HasFailure())
            return; // one project's faults are enough to read
    }
}
