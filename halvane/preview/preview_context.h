#pragma once

#include "common/cross_geometry.h"
#include "common/gif/picture.h"
#include "halvane/preview/step_sink.h"
#include "halvane/project/animation_library.h"
#include "halvane/project/play_project.h"
#include "halvane/project/play_project_records.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace halvane::preview {

// What every preview loop reads: a copy of the play project's records, the
// cross geometry, the Fonts list of Halvane.ini, the animations folder and
// the moment the preview started (the Hour and Date captions show it and do
// not advance while the preview plays). Loops get it by value, so the window
// may go on editing the project meanwhile.
struct PreviewContext {
    common::CrossGeometry geometry;
    QStringList fontNames;
    project::AnimationLibrary library{QString()};
    project::PlayProjectData project;
    QDateTime now;
};

// The context of a preview that starts now: `project` and `library` as the
// window holds them, the geometry (CROSSSTYLE, HARNESSFRAMEDOTS) and the
// Fonts list that the settings file `iniPath` names at this moment.
PreviewContext previewContextFor(const QString &iniPath, const project::PlayProjectData &project,
                                 const project::AnimationLibrary &library,
                                 const QDateTime &now = QDateTime::currentDateTime());

// The same for the project the window holds.
PreviewContext previewContextFor(const project::PlayProject &project, const QString &iniPath);

// What a Preview dialog shows.
enum class PreviewKind : int {
    Text1 = 1,
    Text2 = 2,
    Text3 = 3,
    Hour = 4,
    Date = 5,
    Temperature = 6,
    Animation = 7, // a .crs of the animation list, by file name
    Picture = 8,   // a .bmp or .jpg of the animation list, by file name
    Humidity = 9,
    PlayList = 99, // the whole play list, entry after entry
};

// The preview of a play list entry's name: "Text1".."Text3", "Hour", "Date",
// "Temperature", "Humidity", a .crs file (Animation) or a .bmp/.jpg file
// (Picture), extensions in any case. Nothing for other names.
std::optional<PreviewKind> previewKindForName(const QString &name);

// The message for an animation file that is not in the animations folder.
QString missingFileMessage(const QString &path);

// The animation file `fileName` of the animations folder, loaded. A missing
// file sends missingFileMessage() to the sink and gives nothing; a file that
// cannot be decoded loads as a null picture, which renders black.
std::optional<common::gif::Picture> loadAnimationFile(const PreviewContext &context,
                                                      const QString &fileName, StepSink &sink);

// The back animation of a message: nothing for "", else the loaded file.
// False when the file is missing (the sink has had the message).
bool loadBackAnimation(const PreviewContext &context, const QString &fileName, StepSink &sink,
                       std::optional<common::gif::Picture> *back);

// The first animation list entry of that file name, or nullptr.
const project::AnimationEntry *findAnimation(const PreviewContext &context, const QString &fileName);

// How long an animation step shows frame `frame`: the file's own delay of
// that frame at speed 8 ("OFF"), else 20 x speed ms (speeds outside 1..8
// are brought into that range).
int animationStepMs(const project::AnimationEntry &entry, const common::gif::Picture &file, int frame);
// 20 x speed ms for pictures and texts, speed brought into 1..maxSpeed.
int speedStepMs(int speed, int maxSpeed);

// The time a data message is shown: its time in seconds made even (one
// more when odd), in milliseconds; 0 for a time of 0 or less.
long long messageDurationMs(int seconds);

inline constexpr int kMessageStepMs = 100; // the step of the data message loops

} // namespace halvane::preview
