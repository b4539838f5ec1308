#pragma once

#include <QWidget>

#include <array>

namespace dravelle::ui {

// One colour box of the colour bar: a left click picks it as the drawing
// colour, a right click as the erase colour.
class ColourBox : public QWidget {
    Q_OBJECT

public:
    ColourBox(int colourBits, const QString &name, QWidget *parent = nullptr);
    QSize sizeHint() const override { return {24, 24}; }

signals:
    void picked(int colourBits, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_bits;
};

// The two overlapping squares: the drawing colour in front, the erase
// colour behind it.
class ColourPair : public QWidget {
    Q_OBJECT

public:
    explicit ColourPair(QWidget *parent = nullptr);
    void setColours(int drawingBits, int eraseBits);
    QSize sizeHint() const override { return {54, 54}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_drawing = 1;
    int m_erase = 0;
};

// The colour bar docked on the left: the colour pair over the eight colour
// boxes in two columns.
class ColourBar : public QWidget {
    Q_OBJECT

public:
    explicit ColourBar(QWidget *parent = nullptr);
    void setColours(int drawingBits, int eraseBits) { m_pair->setColours(drawingBits, eraseBits); }

signals:
    void drawingColourPicked(int colourBits);
    void eraseColourPicked(int colourBits);

private:
    ColourPair *m_pair = nullptr;
};

} // namespace dravelle::ui
