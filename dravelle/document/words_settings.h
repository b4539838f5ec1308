#pragma once

#include "common/status.h"

#include <QString>

namespace dravelle::document {

// What Add Words renders: the text, its font and colours and where it starts.
// Kept in the animation store for the whole run, never saved; the text is
// emptied by every reset of the store.
struct WordsSettings {
    static constexpr int kMaxTextLength = 1023;
    static constexpr int kMaxFaceLength = 31;
    static constexpr int kMinSize = 10;
    static constexpr int kMaxSize = 32;
    static constexpr int kColourCount = 8;

    QString text;
    QString face = QStringLiteral("Times New Roman");
    int size = 14;             // the font's cell height in dots, 10..32
    int startX = 0;
    int startY = 0;
    int textColour = 1;        // index into the colour list: Red
    int backgroundColour = 0;  // Black
    bool moveOut = false;

    // Refuses a text over 1023 characters, a face name over 31, a size outside
    // 10..32 and a colour index outside 0..7, with a message saying which.
    common::Status validate() const;

    bool operator==(const WordsSettings &) const = default;
};

} // namespace dravelle::document
