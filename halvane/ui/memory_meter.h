#pragma once

#include "common/worker.h"
#include "halvane/encode/memory_usage.h"
#include "halvane/project/play_project.h"

#include <QLabel>
#include <QTimer>

#include <optional>

namespace halvane::ui {

// The status bar's memory pane: how full the cross's TOC, Animations and
// Text regions would be with the play list as it stands, and how long a send
// would take. It measures again on a worker, so a large animation never
// freezes the window, after each change notice of the project and when its
// twice-a-second look finds that something else the images depend on has
// changed (the animation files on the play list, the geometry and fonts of
// Halvane.ini). A play list that would not fit
// shows in red, with both sizes, before anyone tries to send it.
class MemoryMeter : public QLabel {
    Q_OBJECT

public:
    MemoryMeter(const project::PlayProject &project, QString iniPath, QWidget *parent = nullptr);
    ~MemoryMeter() override;

    // The last measurement; empty before the first one has ended.
    const std::optional<encode::MemoryUsage> &usage() const { return m_usage; }
    bool measuring() const { return m_worker.running(); }
    // Looks for a change now instead of at the next tick.
    void check();

signals:
    void measured();

private:
    // Everything a measurement depends on.
    struct Inputs {
        project::PlayProjectData data;
        QString settings;    // geometry, fonts and rate as Halvane.ini holds them
        QStringList files;   // size and time of each animation file on the play list
        bool operator==(const Inputs &) const = default;
    };
    Inputs currentInputs() const;
    void show(const encode::MemoryUsage &usage);

    const project::PlayProject &m_project;
    QString m_iniPath;
    QTimer m_poll;
    int m_listener = 0;
    common::Worker m_worker;
    std::optional<Inputs> m_measured; // what the running or last measurement was given
    std::optional<encode::MemoryUsage> m_usage;
};

} // namespace halvane::ui
