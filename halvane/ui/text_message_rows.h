#pragma once

#include "halvane/project/play_project.h"
#include "halvane/ui/dialog_hooks.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace halvane::ui {

class BackAnimationBox;

// The three text message rows (Text1..Text3): above each one-line text
// field the Bold and Italic toggles, Fonts, Size, Offset, the Speed slider
// between "+" and "-", the Back Animation box, Select and Preview. Edits go
// to the project at once; the field shows its whole text bold / italic.
class TextMessageRows : public QWidget {
    Q_OBJECT

public:
    TextMessageRows(project::PlayProject &project, const DialogHooks &dialogs, QWidget *parent = nullptr);
    // Shows the three texts as the project holds them, with `fontNames` in
    // the Fonts lists.
    void load(const QStringList &fontNames);

signals:
    void playListChanged();
    void lookChanged(const QString &name);
    void edited();

private:
    struct Row {
        QToolButton *bold = nullptr;
        QToolButton *italic = nullptr;
        QComboBox *font = nullptr;
        QComboBox *size = nullptr;
        QLineEdit *offset = nullptr;
        QSlider *speed = nullptr;
        BackAnimationBox *back = nullptr;
        QCheckBox *select = nullptr;
        QPushButton *preview = nullptr;
        QLineEdit *field = nullptr;
    };
    QWidget *buildRow(int text, const DialogHooks &dialogs);
    QLayout *buildControls(int text, Row &row, const DialogHooks &dialogs);
    void connectRow(int text, const DialogHooks &dialogs);
    void apply(int text, const common::Status &status);
    void onSelect(int text, bool checked);
    void showFieldStyle(int text);

    project::PlayProject &m_project;
    std::array<Row, project::kTextCount> m_rows;
};

} // namespace halvane::ui
