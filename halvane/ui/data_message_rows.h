#pragma once

#include "halvane/project/play_project.h"
#include "halvane/ui/dialog_hooks.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace halvane::ui {

class BackAnimationBox;

// The four data message rows (Hour, Date, Temperature, Humidity): Select,
// Time(s), Frame, Back Animation and Preview. Each control edits its
// message's settings in the project at once and reports refusals in a
// "Prompt" box.
class DataMessageRows : public QWidget {
    Q_OBJECT

public:
    DataMessageRows(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent = nullptr);
    // Shows the four messages' settings as the project holds them.
    void load();

signals:
    void playListChanged();
    // A shown message changed its look: the thumbnails refresh.
    void lookChanged(const QString &name);
    void edited();

private:
    struct Row {
        QCheckBox *select = nullptr;
        QLineEdit *time = nullptr;
        QComboBox *frame = nullptr;
        BackAnimationBox *back = nullptr;
        QPushButton *preview = nullptr;
    };
    void buildRow(int item, int gridRow, const DialogHooks &dialogs);
    void onSelect(int item, bool checked);
    void onTimeEdited(int item);
    void onTimeFinished(int item);
    void setBack(int item, const QString &fileName);

    project::PlayProject &m_project;
    std::array<Row, project::kItemCount> m_rows;
    bool m_loading = false;
};

// The message's caption: "Hour", "Date", "Temperature °C", "Humidity".
QString itemCaption(int item);

} // namespace halvane::ui
