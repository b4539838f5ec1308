#include "halvane/encode/image_builder.h"

#include "halvane/encode/memory_image.h"
#include "halvane/encode/toc_entry.h"

#include <QCoreApplication>

#include <algorithm>

namespace halvane::encode {

using project::AnimationEntry;
using project::PlayProjectData;

const Image &SendImages::image(Region region) const
{
    switch (region) {
    case Region::Toc:
        return toc;
    case Region::Animations:
        return animations;
    case Region::Text:
        break;
    }
    return text;
}

QString imageTooLargeMessage(const MemoryRegion &region, std::size_t size)
{
    const QString sizeText = size > kImageBuildLimit
                                 ? QCoreApplication::translate("ImageBuilder", "more than %1").arg(kImageBuildLimit)
                                 : QString::number(size);
    return QCoreApplication::translate(
               "ImageBuilder",
               "The %1 image is %2 bytes, more than the %3 bytes its region of the cross holds. "
               "Nothing was sent.")
        .arg(QString::fromLatin1(region.name), sizeText)
        .arg(region.capacity);
}

namespace {

constexpr std::uint8_t kEndMark[] = {0xFF, 0xFF};

// An image being built: a buffer with room to spare and the bytes used.
struct Growing {
    const MemoryRegion &region;
    Image bytes;
    std::size_t size = 0;

    Image finished() &&
    {
        bytes.resize(size);
        bytes.shrink_to_fit();
        return std::move(bytes);
    }
};

// One build: walks the play list once and fills the three images.
class Builder {
    Q_DECLARE_TR_FUNCTIONS(ImageBuilder)

public:
    Builder(const PlayProjectData &project, const project::AnimationLibrary &library,
            RecordEncoder &encoder)
        : m_project(project), m_library(library), m_encoder(encoder)
    {
    }

    common::Status run(SendImages *out)
    {
        for (const project::PlayListEntry &entry : m_project.playList) {
            if (!m_failure.isEmpty())
                break;
            addEntry(entry.name);
        }
        m_toc.insert(m_toc.end(), std::begin(kEndMark), std::end(kEndMark));
        out->toc = std::move(m_toc);
        out->animations = std::move(m_animations).finished();
        out->text = std::move(m_text).finished();
        out->warnings = m_warnings;
        if (!m_failure.isEmpty())
            return common::Status::failure(m_failure);
        return checkRegions(*out);
    }

private:
    void addEntry(const QString &name)
    {
        const project::AnimationFileKind file = project::imageFileKind(name);
        if (file != project::AnimationFileKind::None)
            addAnimation(name, file == project::AnimationFileKind::Picture);
        else if (const auto item = project::itemIndex(name))
            addItem(*item);
        else if (const auto text = project::textIndex(name))
            addText(*text);
    }

    void addAnimation(const QString &name, bool picture)
    {
        const AnimationEntry entry = animationSettings(name);
        addTocEntry(animationTocEntry(entry, picture, wordAddress(m_animations.region, m_animations.size)));
        const QString path = m_library.filePath(name);
        append(m_animations, [&](std::span<std::uint8_t> image, std::size_t size) {
            return picture ? m_encoder.appendPicture(path, entry.speed, image, size)
                           : m_encoder.appendAnimation(path, entry.speed, image, size);
        });
        endAnimation(m_animations);
    }

    AnimationEntry animationSettings(const QString &name)
    {
        const auto found = std::find_if(m_project.animations.begin(), m_project.animations.end(),
                                        [&](const AnimationEntry &a) { return a.fileName == name; });
        if (found != m_project.animations.end())
            return *found;
        m_warnings << tr("%1 is not in the animation list; it is sent with loop 1, speed 4 and "
                         "frame style None.")
                          .arg(name);
        return project::defaultAnimationEntry(name);
    }

    void addItem(int item)
    {
        const project::ItemSettings &settings = m_project.items.at(std::size_t(item));
        const std::size_t at = m_toc.size();
        addTocEntry(itemTocEntry(item, settings, kNoBackAnimation));
        const std::uint32_t back = addBackAnimation(settings.backAnimation);
        if (back != kNoBackAnimation)
            putAddress(at, back);
    }

    void addText(int text)
    {
        const project::TextSettings &settings = m_project.texts.at(std::size_t(text));
        const std::size_t at = m_toc.size();
        addTocEntry(textTocEntry(kNoBackAnimation, wordAddress(m_text.region, m_text.size)));
        const std::uint32_t back = addBackAnimation(settings.backAnimation);
        if (back != kNoBackAnimation)
            putAddress(at, back);
        append(m_text, [&](std::span<std::uint8_t> image, std::size_t size) {
            return m_encoder.appendText(settings, image, size);
        });
    }

    // Back animations play with the file's own frame delays.
    std::uint32_t addBackAnimation(const QString &name)
    {
        if (name.isEmpty())
            return kNoBackAnimation;
        const std::uint32_t address = wordAddress(m_animations.region, m_animations.size);
        const QString path = m_library.filePath(name);
        append(m_animations, [&](std::span<std::uint8_t> image, std::size_t size) {
            return m_encoder.appendAnimation(path, project::kSpeedOff, image, size);
        });
        endAnimation(m_animations);
        return address;
    }

    // Bytes 2-4 of the TOC entry at `at`.
    void putAddress(std::size_t at, std::uint32_t address)
    {
        const auto bytes = addressBytes(address);
        std::copy(bytes.begin(), bytes.end(), m_toc.begin() + std::ptrdiff_t(at + 2));
    }

    void addTocEntry(const TocEntry &entry) { m_toc.insert(m_toc.end(), entry.begin(), entry.end()); }

    // Appends through `records`, growing the buffer until the records fit or
    // the image passes kImageBuildLimit.
    template <class Append>
    void append(Growing &image, Append &&records)
    {
        if (!m_failure.isEmpty())
            return;
        if (image.bytes.empty())
            image.bytes.resize(image.region.capacity);
        for (;;) {
            const AppendedRecords done = records(std::span<std::uint8_t>(image.bytes), image.size);
            if (done.fits) {
                image.size = done.size;
                if (!done.warning.isEmpty())
                    m_warnings << done.warning;
                return;
            }
            if (image.bytes.size() >= kImageBuildLimit) {
                m_failure = imageTooLargeMessage(image.region, kImageBuildLimit + 1);
                return;
            }
            image.bytes.resize(std::min(image.bytes.size() * 2, kImageBuildLimit));
        }
    }

    void endAnimation(Growing &image)
    {
        append(image, [](std::span<std::uint8_t> bytes, std::size_t size) {
            const AppendResult done = appendEndMark(bytes, size);
            return AppendedRecords{done.size, done.fits, {}};
        });
    }

    common::Status checkRegions(const SendImages &images) const
    {
        for (const MemoryRegion &region : kRegions) {
            const std::size_t size = images.image(region.region).size();
            if (size > region.capacity)
                return common::Status::failure(imageTooLargeMessage(region, size));
        }
        return common::Status::success();
    }

    const PlayProjectData &m_project;
    const project::AnimationLibrary &m_library;
    RecordEncoder &m_encoder;
    Image m_toc;
    Growing m_animations{kAnimationsRegion, {}, 0};
    Growing m_text{kTextRegion, {}, 0};
    QStringList m_warnings;
    QString m_failure;
};

} // namespace

common::Status buildImages(const PlayProjectData &project, const project::AnimationLibrary &library,
                           RecordEncoder &encoder, SendImages *out)
{
    return Builder(project, library, encoder).run(out);
}

} // namespace halvane::encode
