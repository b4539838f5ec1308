#include "dravelle/editor/templates.h"

#include <array>

namespace dravelle::editor {

using namespace dravelle::document;

namespace {

struct TemplateInfo {
    Template kind;
    const char *name;
    int pages48;
    int pages64;
};

constexpr std::array<TemplateInfo, 5> kTemplates{{
    {Template::Diamond, "diamond", 33, 49},
    {Template::Cross, "cross", 16, 32},
    {Template::Circumgyrate, "circumgyrate", 24, 32},
    {Template::Circle, "circle", 25, 35},
    {Template::Rectangle, "rectangle", 24, 32},
}};

const TemplateInfo &infoOf(Template t)
{
    for (const TemplateInfo &info : kTemplates)
        if (info.kind == t)
            return info;
    return kTemplates[0];
}

void diamond(ShapeMask &mask, int c, int i)
{
    const QPoint centre(c, c);
    mask.addTriangle(centre, {c - i, c}, {c, c - i});
    mask.addTriangle(centre, {c, c - i}, {c + i, c});
    mask.addTriangle(centre, {c - i, c}, {c, c + i});
    mask.addTriangle(centre, {c + i, c}, {c, c + i});
}

// Eight wedges from the centre to the border, each h wide, sweeping clockwise.
void circumgyrate(ShapeMask &mask, int r, int c, int i)
{
    const int h = i + 1;
    const QPoint centre(c, c);
    mask.addTriangle(centre, {0, 0}, {h, 0});
    mask.addTriangle(centre, {c, 0}, {c + h, 0});
    mask.addTriangle(centre, {r, 0}, {r, h});
    mask.addTriangle(centre, {r, c}, {r, c + h});
    mask.addTriangle(centre, {r, r}, {r - h, r});
    mask.addTriangle(centre, {c, r}, {c - h, r});
    mask.addTriangle(centre, {0, r}, {0, r - h});
    mask.addTriangle(centre, {0, c}, {0, c - h});
}

// A plus that grows to the whole cross over the first half and shrinks back.
void plus(ShapeMask &mask, int r, int c, int i)
{
    const int e = (r - 32) / 2;
    const int k = i < e ? i : r - 33 - i;
    mask.addRect(c - k - 1, e - k - 1, c + k + 1, r - e + k + 1);
    mask.addRect(e - k - 1, c - k - 1, r - e + k + 1, c + k + 1);
}

} // namespace

std::optional<Template> templateByName(const QString &name)
{
    for (const TemplateInfo &info : kTemplates)
        if (name.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0)
            return info.kind;
    return std::nullopt;
}

QString templateName(Template t)
{
    return QLatin1String(infoOf(t).name);
}

int templatePageCount(Template t, int resolution)
{
    return resolution == 64 ? infoOf(t).pages64 : infoOf(t).pages48;
}

bool templateAccumulates(Template t)
{
    return t != Template::Cross;
}

ShapeMask templateShape(Template t, int resolution, int index)
{
    const int r = resolution;
    const int c = r / 2;
    ShapeMask mask(r);
    switch (t) {
    case Template::Diamond:
        diamond(mask, c, index);
        break;
    case Template::Circle:
        mask.addEllipse(c - 2 - index, c - 2 - index, c + 3 + index, c + 3 + index);
        break;
    case Template::Circumgyrate:
        circumgyrate(mask, r, c, index);
        break;
    case Template::Cross:
        plus(mask, r, c, index);
        break;
    case Template::Rectangle:
        mask.addRect(c - index - 1, c - index - 1, c + index + 1, c + index + 1);
        break;
    }
    return mask;
}

std::vector<DotPage> templatePages(Template t, int resolution)
{
    std::vector<DotPage> pages;
    DotPage working = DotPage::crossMask(resolution);
    const int count = templatePageCount(t, resolution);
    for (int i = 0; i < count; ++i) {
        if (!templateAccumulates(t))
            working.switchOff();
        const ShapeMask shape = templateShape(t, resolution, i);
        for (int y = 0; y < resolution; ++y)
            for (int x = 0; x < resolution; ++x)
                if (shape.contains(x, y))
                    working.setColourAt(x + y * resolution, kColourWhite);
        pages.push_back(working);
    }
    return pages;
}

void applyTemplate(AnimationStore &store, Template t)
{
    std::vector<DotPage> pages = templatePages(t, store.resolution());
    std::vector<int> delays(pages.size(), AnimationStore::kDefaultDelayMs);
    AnimationStore::Step step(store);
    store.reset();
    store.applyCrossMask();
    store.replacePages(std::move(pages), std::move(delays));
}

} // namespace dravelle::editor
