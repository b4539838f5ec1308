#pragma once

#include "common/status.h"
#include "halvane/project/animation_library.h"
#include "halvane/project/play_project_records.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <utility>

namespace halvane::project {

// Messages the rules below return, as the window shows them.
inline constexpr char kPlayListFullMessage[] = QT_TRANSLATE_NOOP(
    "PlayProject", "You can't add any MESSAGE to Play List as Play List is full!");
inline constexpr char kAnimationSelectedMessage[] =
    QT_TRANSLATE_NOOP("PlayProject", "The animation can't be delete because it is selected!");
inline constexpr char kLoopCharactersMessage[] = QT_TRANSLATE_NOOP(
    "PlayProject", "The characters can't be shown in the parameter LOOP of animation!");
inline constexpr char kHourTimeRangeMessage[] =
    QT_TRANSLATE_NOOP("PlayProject", "Please enter an integer between 1 and 1000.");

// The display time of Hour must lie in this range; the other three data
// messages take any integer.
inline constexpr int kMinHourTime = 1;
inline constexpr int kMaxHourTime = 1000;

// What building the animation list did besides filling it.
struct AnimationListBuild {
    QStringList refused; // folder scan: messages for files a project cannot hold
    QStringList dropped; // project build: entries whose file has gone
};

// What one change of the project touched, for whoever shows the project.
struct ProjectChange {
    enum class Part {
        Whole,     // New, Open, a load or a reset: everything may differ
        PlayList,  // an entry appended, removed or moved; `name` the entry
        Animation, // an entry of the animation list added, removed or edited; `name` its file
        Item,      // a data message's settings; `index` 0..3
        Text,      // a text message's settings; `index` 0..2
        Dropped,   // the clean-ups removed `dropped`, entries whose file has gone
    };
    ProjectChange() = default;
    ProjectChange(Part what, QString entry = {}, int at = -1) : part(what), name(std::move(entry)), index(at) {}

    Part part = Part::Whole;
    QString name;
    int index = -1;
    QStringList dropped;
};

// The play project: the play list, the animation list, the settings of the
// four data messages and three text messages, the project file's path, the
// dirty flag and the play list group the window shows. One instance lives for
// the whole run; the window edits it through the operations below, the
// preview and the send job read its records.
//
// Every operation applies the window's rules and returns what happened: a
// refused change returns a failed status whose message the window shows in a
// box and the command line prints; nothing here shows anything. Every change
// sets the dirty flag; New, Open, Save and Save As clear it. The clean-ups
// that drop entries whose animation file has gone do not set it.
//
// Play list groups: the play list holds at most 30 entries, shown 15 at a
// time; group g is entries 15g .. 15g + 14. Group 0 always exists, group 1
// when there are more than 15 entries; the Group buttons are shown exactly
// then. Positions passed to moveUp()/moveDown() count within the current group.
//
// The animation list is shown sorted by lower-cased name while the records
// keep their own order, so every animation operation takes the row's file
// name and acts on the first entry of that name (names compare
// case-sensitively).
class PlayProject {
    Q_DECLARE_TR_FUNCTIONS(PlayProject)

public:
    explicit PlayProject(AnimationLibrary library = AnimationLibrary::inApplicationFolder());

    // --- Reading -----------------------------------------------------------
    const PlayProjectData &data() const { return m_data; }
    const QList<PlayListEntry> &playList() const { return m_data.playList; }
    const QList<AnimationEntry> &animations() const { return m_data.animations; }
    const ItemSettings &item(int index) const; // 0..3: Hour, Date, Temperature, Humidity
    const TextSettings &text(int index) const; // 0..2: Text1, Text2, Text3
    const AnimationLibrary &library() const { return m_library; }

    QString path() const { return m_path; } // "" while untitled
    bool isDirty() const { return m_dirty; }
    int currentGroup() const { return m_group; }
    int groupCount() const;                    // 1 or 2
    bool groupButtonsVisible() const;          // more than 15 entries
    QList<PlayListEntry> shownEntries() const; // the current group's entries
    bool shownGroupContains(const QString &name) const;
    bool contains(const QString &name) const; // any play list entry of that name

    // The first animation entry of that file name, or nullptr.
    const AnimationEntry *findAnimation(const QString &fileName) const;
    // The animation list's rows: the entries sorted by lower-cased file name.
    QList<AnimationEntry> animationRows() const;

    // The entries the clean-ups removed since the last call (play list
    // entries and animation list entries whose file has gone), so that the
    // window can tell the user; the list is emptied.
    QStringList takeDroppedEntries() { return std::exchange(m_dropped, {}); }

    // --- Change notices ----------------------------------------------------
    // `listener` hears of every change from now on, after it is made, on the
    // thread that made it: each operation that changes the records (a refused
    // one changes nothing and tells nothing), New/Open/load/reset as Whole,
    // and the clean-ups' drops. Returns an id for removeChangeListener().
    using ChangeListener = std::function<void(const ProjectChange &)>;
    // Listening does not change the project: both work on a const project.
    int addChangeListener(ChangeListener listener) const;
    void removeChangeListener(int id) const;
    // Grows with every notice: a reader can tell whether anything changed
    // since it last looked.
    quint64 revision() const { return m_revision; }

    // --- Project -----------------------------------------------------------
    // Sets every record to its defaults (text size by `harnessFrameDots`) and
    // shows group 0; the path and the dirty flag stay.
    void reset(int harnessFrameDots);
    // New Play Project: untitled, reset, the animation list from the folder
    // scan, group 0, clean. Halvane.ini is not touched.
    AnimationListBuild newProject(int harnessFrameDots);
    // Reads a .plst file into the records, as stored: path = the file's
    // absolute path, group 0, clean. A file that cannot be read or is damaged
    // is refused with the reason and the project stays exactly as it was.
    common::Status load(const QString &path);
    // Open Play Project: load(), then the animation list is built from the
    // project and group 0 shown (both drop entries whose file has gone), and
    // the path is remembered in the settings file (see setSettingsFile()).
    common::Status open(const QString &path);
    // Save Play Project: writes the records to the project's path. Fails for
    // an untitled project (the window asks for a path and calls saveAs()).
    common::Status save();
    // Save Play Project as: writes to `path`, which becomes the project's
    // path, and remembers it in the settings file.
    // A failed save leaves the old file, the path and the dirty flag as they were.
    common::Status saveAs(const QString &path);
    // Where open() and saveAs() remember the project (FILE/PREFILE); "" for
    // nowhere, the default (the command line does not change the window's
    // last project).
    void setSettingsFile(const QString &iniPath) { m_settingsFile = iniPath; }

    // --- Play list ---------------------------------------------------------
    // Ticking a Select box: appends `name` (a message keyword or an animation
    // of the animation list whose file is in the folder) and marks its record
    // selected / in play list. From 15 entries on the current group becomes 1;
    // the current group is shown again before the append. Refused with
    // kPlayListFullMessage at 30 entries, and when the name is unknown or
    // already in the play list.
    common::Status appendToPlayList(const QString &name);
    // Clearing a Select box: removes the first entry of that name in the
    // current group and unmarks its record. Returns false, changing nothing,
    // when the current group has no such entry (the window ticks the box
    // again). Down to exactly 15 entries the current group becomes 0; the
    // current group is shown again.
    bool removeFromPlayList(const QString &name);
    // Up / Down: swaps the entry at `row` of the current group with its
    // neighbour in the same group. Returns false at the group's ends.
    bool moveUp(int row);
    bool moveDown(int row);
    // Shows group `group` (limited to the groups that exist): it becomes the
    // current group and its animation entries whose file has gone are
    // removed from the play list; the entries moving up in their place are
    // examined too. When that empties group 1, group 0 is shown instead.
    // Returns the names removed.
    QStringList showGroup(int group);

    // --- Animation list ----------------------------------------------------
    // Untitled: the list becomes the folder scan with default settings.
    // Titled: entries whose file has gone are removed; each remaining entry's
    // in play list follows whether the play list contains its name.
    AnimationListBuild buildAnimationList();
    // Add: copies the file into the animations folder (replacing a file of
    // that name) and adds an entry when none of that name exists. A name a
    // project cannot hold or a failed copy is refused and changes nothing.
    common::Status addAnimation(const QString &sourcePath);
    // Delete: removes the entry; the file stays in the folder. Refused with
    // kAnimationSelectedMessage while the animation is in the play list.
    common::Status deleteAnimation(const QString &fileName);
    // Loop edit ended: digits only ("" gives 0). Other characters set loop to
    // 1, as the window puts "1" back into the cell, and return
    // kLoopCharactersMessage; so does a number beyond 2147483647 (with a
    // message of its own).
    common::Status setLoopText(const QString &fileName, const QString &text);
    // Speed chosen: position 0..7 of speedChoices(); speed = position + 1.
    common::Status setSpeedChoice(const QString &fileName, int position);
    // Frame chosen: position 0..5 of frameStyleChoices(); frame style = position + 1.
    common::Status setFrameChoice(const QString &fileName, int position);

    // --- Data messages (item 0..3) -------------------------------------------
    // Time(s): Hour takes 1 to 1000 (else kHourTimeRangeMessage), the others any integer.
    common::Status setItemTime(int item, int seconds);
    common::Status setItemFrameChoice(int item, int position); // 0..5
    // Back animation: "" for none, else a file of the animations folder whose
    // name a project can hold.
    common::Status setItemBackAnimation(int item, const QString &fileName);

    // --- Text messages (text 0..2) -------------------------------------------
    // At most 255 characters, each with a single-byte form.
    common::Status setText(int text, const QString &value);
    common::Status setTextFont(int text, int position); // 0 or more
    common::Status setTextBold(int text, bool bold);
    common::Status setTextItalic(int text, bool italic);
    common::Status setTextSizeChoice(int text, int position); // 0..14 of textSizeChoices()
    common::Status setTextOffset(int text, int offset);
    common::Status setTextSpeed(int text, int speed); // 1..7
    common::Status setTextBackAnimation(int text, const QString &fileName);

private:
    QStringList dropGoneFiles();
    // reset() and load() without their notice, for New and Open to finish first.
    void resetRecords(int harnessFrameDots);
    common::Status loadRecords(const QString &path);
    int animationIndex(const QString &fileName) const;
    std::int32_t *selectFlagOf(const QString &name);
    common::Status checkAppend(const QString &name) const;
    common::Status checkBackAnimation(const QString &fileName) const;
    ItemSettings *itemAt(int index);
    TextSettings *textAt(int index);
    AnimationEntry *animationAt(const QString &fileName);
    void remember(const QString &path) const;
    // A change by the user: sets the dirty flag and tells the listeners.
    void changed(const ProjectChange &change);
    // Tells the listeners without touching the dirty flag.
    void notify(const ProjectChange &change);
    void notifyDropped(const QStringList &dropped);

    AnimationLibrary m_library;
    PlayProjectData m_data;
    QString m_path;
    QString m_settingsFile;
    QStringList m_dropped; // see takeDroppedEntries()
    bool m_dirty = false;
    int m_group = 0;
    quint64 m_revision = 0;
    mutable std::map<int, ChangeListener> m_listeners;
    mutable int m_nextListener = 1;
};

// The project to reopen at start-up: FILE/PREFILE of `iniPath` when that file
// still exists, else "".
QString previousProjectPath(const QString &iniPath);

} // namespace halvane::project
