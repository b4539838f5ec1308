#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace dravelle::editor {

// Pages on their way through the clipboard: each with its words dots merged
// in and its delay, for a cross of one resolution.
struct PageClip {
    int resolution = 0;
    std::vector<document::DotPage> pages;
    std::vector<int> delays;
};

// The clipboard's MIME type for pages.
QString pageClipMimeType();

// Pages first..last (clamped to the animation) as they are shown.
PageClip copyPages(const document::AnimationStore &store, int first, int last);

// The clipboard's bytes: "DRVP", version 1, resolution (1 byte), page count
// (4 bytes), then per page its delay in ms (4 bytes) and one byte of colour
// bits per dot; numbers big-endian.
QByteArray encodePageClip(const PageClip &clip);
// Reads them back; bytes that are not such pages are refused with the reason.
common::Status decodePageClip(const QByteArray &bytes, PageClip *clip);

// Pastes the pages after the current page (the first pasted one becomes
// current), as one step. Pages of the other resolution are refused.
common::Status pastePages(document::AnimationStore &store, const PageClip &clip);

// Copies pages first..last into `clip` and removes them, as one step.
// Refused when they are all the animation's pages: one page always stays.
common::Status cutPages(document::AnimationStore &store, int first, int last, PageClip *clip);

// A copy of pages first..last right after them, without the clipboard.
bool duplicatePages(document::AnimationStore &store, int first, int last);

} // namespace dravelle::editor
