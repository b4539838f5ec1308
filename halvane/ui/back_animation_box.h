#pragma once

#include <QLabel>

namespace halvane::ui {

// The box that shows a message's back animation by file name. A left click
// asks for a file (chosen()), a right click asks to set none (cleared()).
// The owner decides what is stored and calls setFileName() with it.
class BackAnimationBox : public QLabel {
    Q_OBJECT

public:
    explicit BackAnimationBox(const QString &accessibleName, QWidget *parent = nullptr);
    void setFileName(const QString &fileName);
    QString fileName() const { return text(); }

signals:
    void chooseRequested();
    void cleared();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// The file dialog of a Back Animation box: an animation of the animations
// folder (.bmp, .jpg, .crs). Returns the chosen file's name without folder,
// or "" when the user cancelled.
QString chooseBackAnimation(QWidget *parent, const QString &animationsFolder);

} // namespace halvane::ui
