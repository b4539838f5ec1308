#pragma once

#include "common/status.h"
#include "dravelle/document/animation_store.h"
#include "dravelle/document/words_settings.h"

#include <QFont>
#include <QImage>
#include <QStringList>

#include <vector>

namespace dravelle::editor {

// Add Words: a line of text that scrolls from right to left through the
// horizontal bar of the cross, one dot per page. The text is drawn once into
// a strip as high as the bar; words page i shows the strip's columns
// i .. i + R - 1 in rows 16 .. R - 17, keeping only the channels that are not
// black, so a black background lets the pages' own dots show around the letters.
//
// Fonts need a QGuiApplication. buildWordsLayer() touches nothing shared and
// may run on a worker; its result goes to the store on the store's thread
// (AnimationStore::setWordsLayer).

// The words font: the face at a cell height (ascent + descent) of
// `cellHeight` pixels, normal weight, without anti-aliasing so every dot is
// either the text colour or the background. The pixel size is the largest whose
// cell height does not exceed `cellHeight`.
QFont wordsFont(const QString &face, int cellHeight);

// The width w of the text in pixels with the words font.
int wordsTextWidth(const document::WordsSettings &settings);

// The strip: w + R pixels wide (w + 2R with Move Out) and R - 32 high, filled
// with the background colour, the text drawn in the text colour at
// (StartX + R, StartY) with StartY the top of the text's cell.
QImage renderWordsStrip(const document::WordsSettings &settings, int resolution);

// One words page per step: strip width - R pages (w, or w + R with Move Out).
std::vector<document::DotPage> wordsLayerFromStrip(const QImage &strip, int resolution);

// The whole words layer for the settings; empty for an empty text, and for a
// text that has no width (nothing would scroll).
// The number of pages buildWordsLayer() makes, known before any drawing.
int wordsPageCount(const document::WordsSettings &settings, int resolution);
// Refuses, before any drawing, words that would make more pages than an
// animation may have (document::maxPageCount), saying both numbers.
common::Status checkWordsPageCount(const document::WordsSettings &settings, int resolution);

std::vector<document::DotPage> buildWordsLayer(const document::WordsSettings &settings, int resolution);

// Add Words in one step: takes the settings (refused when they do not
// validate), builds the layer and fits the pages to it; page 1 becomes current.
// An empty text only removes the words layer.
common::Status applyWords(document::AnimationStore &store, const document::WordsSettings &settings);

// Every font face the system offers, sorted, each once: the words dialog's list.
QStringList wordsFontFaces();

} // namespace dravelle::editor
