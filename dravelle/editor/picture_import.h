#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/document/dot_page.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace dravelle::editor {

// Open Animation: a GIF (every .crs is one), JPG or BMP becomes pages. Each
// frame of an animated GIF is stretched into the chosen region of the R x R
// square, the rest of it black; a single picture (JPG, BMP, one-frame GIF) is
// stretched over the whole square whatever the region. A cross dot's channel is
// on when the pixel's 8-bit value is above the threshold; the corners stay
// outside the cross. Delays: 10 x the frame's delay field when it is 5 or more,
// else 100 ms; a single picture gives one page of 200 ms.

enum class ImportRegion { Full, Horizontal, Vertical };

inline constexpr int kDefaultThreshold = 64;

// Full (0, 0, R, R), Horizontal (0, 16, R, R - 32), Vertical (16, 0, R - 32, R).
QRect importRegionRect(ImportRegion region, int resolution);
// "full", "horizontal", "vertical" in any case.
std::optional<ImportRegion> importRegionByName(const QString &name);

struct ImportOptions {
    QString path;
    ImportRegion region = ImportRegion::Full;
    int threshold = kDefaultThreshold;  // 0..255
    int resolution = 48;
    // The most pages taken; 0: document::maxPageCount(resolution).
    int maxPages = 0;
};

struct ImportResult {
    std::vector<document::DotPage> pages;
    std::vector<int> delays;
    // The file could not be read as a picture: `pages` is then one dark page
    // of 200 ms, as the editor shows it, and `error` says why.
    bool loaded = true;
    QString error;
    // Stopped by a cancel request: `pages` holds only the frames done so far
    // and should not be used.
    bool cancelled = false;
    // The picture had more frames than an animation may have pages: the
    // first maxPageCount() were taken, and this says so.
    QString notice;
};

// The page of an R x R canvas, by the threshold.
document::DotPage pageFromCanvas(const QImage &canvas, int threshold);

// Called after each page with the number done and the total.
using ImportProgress = std::function<void(int done, int total)>;

// Reads the file and makes its pages. Runs on any thread; touches nothing
// shared but `cancel`, which it checks before each frame. The caller hands a
// finished, not cancelled result to the store on the store's thread with
// AnimationStore::replacePages().
ImportResult importPictureFile(const ImportOptions &options, const std::atomic_bool *cancel = nullptr,
                               const ImportProgress &progress = {});

// Open Animation once the import has finished: a new animation whose pages
// are the import's. A cancelled import leaves the store untouched. A file
// that could not be read still gives the one dark page the editor shows, and
// the status says why it failed.
common::Status openAnimation(document::AnimationStore &store, ImportResult result);

} // namespace dravelle::editor
