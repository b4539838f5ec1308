#pragma once

#include "dravelle/document/animation_store.h"
#include "dravelle/editor/shape_mask.h"

#include <QString>

#include <optional>
#include <vector>

namespace dravelle::editor {

// The ready-made animations of the Template menu: a white shape that grows
// around the centre of the cross (Cross grows and shrinks again), one page
// per step, 200 ms each.
enum class Template { Diamond, Cross, Circumgyrate, Circle, Rectangle };

// "diamond", "cross", ... in any case; nothing for another name.
std::optional<Template> templateByName(const QString &name);
QString templateName(Template t);

// Pages: Diamond 33 / 49, Circle 25 / 35, Circumgyrate 24 / 32, Cross 16 / 32,
// Rectangle 24 / 32 at R = 48 / 64.
int templatePageCount(Template t, int resolution);
// Whether a page keeps the dots of the pages before it (all but Cross).
bool templateAccumulates(Template t);

// The shape of page `index` (0-based) on the R x R canvas, before it is cut to
// the cross.
ShapeMask templateShape(Template t, int resolution, int index);

// The template's pages: each lights the cross dots inside its shape in white.
std::vector<document::DotPage> templatePages(Template t, int resolution);

// Replaces the animation with the template: the store is reset (pages, words
// and their text, document path) and page 1 becomes current. The caller
// stops a running preview first.
void applyTemplate(document::AnimationStore &store, Template t);

} // namespace dravelle::editor
