#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

namespace halvane::project {

// The records of a play project as the .plst file holds them, field for field
// and in file order. Texts are kept as QString; in the file they are
// single-byte Windows-1252 ("ANSI") text in fixed NUL-terminated fields, so
// every text in a record holds only characters that encoding can carry (the
// model's setters and the loader make sure of it, see ansi_text.h).

// Sizes of the records and fields in the file.
inline constexpr int kPlayListEntrySize = 100;
inline constexpr int kAnimationEntrySize = 120;
inline constexpr int kItemSettingsSize = 120;
inline constexpr int kTextSettingsSize = 388;
inline constexpr int kNameFieldSize = 100; // file names and keywords
inline constexpr int kTextFieldSize = 256; // the text of a text message
inline constexpr int kMaxNameLength = kNameFieldSize - 1;
inline constexpr int kMaxTextLength = kTextFieldSize - 1;

// The play list: at most 30 entries, shown in groups of 15.
inline constexpr int kMaxPlayListEntries = 30;
inline constexpr int kGroupSize = 15;

inline constexpr int kItemCount = 4; // Hour, Date, Temperature, Humidity
inline constexpr int kTextCount = 3; // Text1, Text2, Text3

// The message keywords, in record order.
inline constexpr std::array<const char *, kItemCount> kItemKeywords = {"Hour", "Date",
                                                                       "Temperature", "Humidity"};
inline constexpr std::array<const char *, kTextCount> kTextKeywords = {"Text1", "Text2", "Text3"};

// What a play list entry is; the value selects the entry's icon.
enum class EntryKind : int {
    Animation = 0,
    Text = 1,
    Hour = 2,
    Date = 3,
    Temperature = 4,
    Humidity = 5,
};

// The kind follows from the name alone (case-sensitive): the seven keywords,
// anything else is an animation file name.
EntryKind entryKind(const QString &name);
// What an animation entry's file is, by the ending of its name.
enum class AnimationFileKind { None, Animation, Picture }; // .crs; .bmp, .jpg
// The animation list, the folder scan and the preview: ".crs", ".bmp" or
// ".jpg" in any case.
AnimationFileKind animationFileKind(const QString &name);
// The memory image: the name's last three characters in any case, with or
// without the dot before them, as the cross's images have always been built
// (an entry the list took always passes both rules the same way).
AnimationFileKind imageFileKind(const QString &name);

// 0..3 when `name` is "Hour", "Date", "Temperature" or "Humidity".
std::optional<int> itemIndex(const QString &name);
// 0..2 when `name` is "Text1", "Text2" or "Text3".
std::optional<int> textIndex(const QString &name);

// Animation speed: 1..7 for the choices "1".."7", 8 for "OFF" (the file's
// own frame delays). The speed is the choice's position + 1.
inline constexpr int kSpeedOff = 8;
inline constexpr int kSpeedChoiceCount = 8;
QStringList speedChoices(); // "1" .. "7", "OFF"
// Frame styles 1..6, the choice's position + 1.
inline constexpr int kFrameStyleCount = 6;
QStringList frameStyleChoices(); // "None", "One dot", ... "Flash two dots"
// Text size: the position in the list "16" .. "30".
inline constexpr int kTextSizeCount = 15;
inline constexpr int kSmallestTextSize = 16;
QStringList textSizeChoices();
// Text scroll speed: the slider's positions.
inline constexpr int kMinTextSpeed = 1;
inline constexpr int kMaxTextSpeed = 7;

// The default text size position for a harness frame dots setting (0..3):
// 7 ("23"), 5 ("21"), 2 ("18"), 0 ("16").
int defaultTextSize(int harnessFrameDots);

// One entry of the play list: an animation file name (with extension, no
// folder) or a message keyword. 100 bytes in the file.
struct PlayListEntry {
    QString name;
    EntryKind kind() const { return entryKind(name); }
    bool operator==(const PlayListEntry &) const = default;
};

// One animation of the library with its play settings. 120 bytes in the file.
struct AnimationEntry {
    std::int32_t inPlayList = 0; // 1 while its Select box is ticked
    QString fileName;            // file of the animations folder
    std::int32_t loop = 1;       // times played; 0 for an empty Loop cell
    std::int32_t speed = 4;      // 1..7, 8 = "OFF"
    std::int32_t frameStyle = 1; // 1..6
    std::int32_t reserved = 2;   // kept as loaded; encoded by the send job
    bool operator==(const AnimationEntry &) const = default;
};

// Settings of a data message (Hour, Date, Temperature, Humidity). 120 bytes.
struct ItemSettings {
    std::int32_t selected = 0;   // 1 while the message is in the play list
    std::int32_t time = 3;       // display time in seconds
    std::int32_t frameStyle = 1; // 1..6
    std::int32_t styleA = 2;     // style code A, no control changes it
    std::int32_t styleB = 2;     // style code B, no control changes it
    QString backAnimation;       // animation file shown behind; "" = none
    bool operator==(const ItemSettings &) const = default;
};

// Settings of a text message (Text1, Text2, Text3). 388 bytes.
struct TextSettings {
    QString text;              // at most 255 characters
    std::int32_t font = 2;     // position in the Fonts list (non-empty FONTn names)
    std::int32_t bold = 0;     // 0 or 1
    std::int32_t italic = 0;   // 0 or 1
    std::int32_t size = 7;     // position in "16" .. "30"; see defaultTextSize()
    std::int32_t reserved = 2; // kept as loaded; nothing depends on it
    std::int32_t offset = 4;   // the number typed in the Offset field
    std::int32_t speed = 4;    // scroll speed 1..7
    std::int32_t selected = 0; // 1 while the text is in the play list
    QString backAnimation;     // "" = none
    bool operator==(const TextSettings &) const = default;
};

// Everything a .plst file holds, in file order.
struct PlayProjectData {
    QList<PlayListEntry> playList;
    QList<AnimationEntry> animations;
    std::array<ItemSettings, kItemCount> items{};
    std::array<TextSettings, kTextCount> texts{};
    bool operator==(const PlayProjectData &) const = default;
};

// A fresh project: empty lists and every message at its defaults, the text
// size chosen by the harness frame dots setting.
PlayProjectData defaultProjectData(int harnessFrameDots);

// A fresh animation entry for `fileName` (in play list 0, loop 1, speed 4,
// frame style 1, reserved 2).
AnimationEntry defaultAnimationEntry(const QString &fileName);

} // namespace halvane::project
