#include "dravelle/ui/colour_bar.h"

#include "dravelle/editor/colour_list.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>

namespace dravelle::ui {

using editor::rgbOfBits;

ColourBox::ColourBox(int colourBits, const QString &name, QWidget *parent) : QWidget(parent), m_bits(colourBits)
{
    setAccessibleName(name);
    setToolTip(name);
    setMinimumSize(20, 20);
    setCursor(Qt::PointingHandCursor);
}

void ColourBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(rgbOfBits(m_bits)));
    painter.setPen(palette().dark().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit picked(m_bits, event->button());
}

ColourPair::ColourPair(QWidget *parent) : QWidget(parent)
{
    setAccessibleName(tr("Drawing and erase colour"));
    setMinimumSize(54, 54);
}

void ColourPair::setColours(int drawingBits, int eraseBits)
{
    m_drawing = drawingBits;
    m_erase = eraseBits;
    update();
}

void ColourPair::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int side = std::min(width(), height()) * 2 / 3;
    const QRect back(width() - side - 2, height() - side - 2, side, side);
    const QRect front(2, 2, side, side);
    painter.setPen(palette().dark().color());
    painter.setBrush(QColor(rgbOfBits(m_erase)));
    painter.drawRect(back);
    painter.setBrush(QColor(rgbOfBits(m_drawing)));
    painter.drawRect(front);
}

ColourBar::ColourBar(QWidget *parent) : QWidget(parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    m_pair = new ColourPair(this);
    grid->addWidget(m_pair, 0, 0, 1, 2, Qt::AlignHCenter);
    // The bar's order: red, green, blue, yellow, purple, cyan, white, black.
    static const char *const kOrder[] = {QT_TR_NOOP("Red"),    QT_TR_NOOP("Green"), QT_TR_NOOP("Blue"),
                                         QT_TR_NOOP("Yellow"), QT_TR_NOOP("Purple"), QT_TR_NOOP("Cyan"),
                                         QT_TR_NOOP("White"),  QT_TR_NOOP("Black")};
    for (int k = 0; k < 8; ++k) {
        const int index = editor::colourIndexByName(QString::fromLatin1(kOrder[k]));
        auto *box = new ColourBox(editor::colourBitsOfIndex(index), tr(kOrder[k]), this);
        grid->addWidget(box, 1 + k / 2, k % 2);
        connect(box, &ColourBox::picked, this, [this](int bits, Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                emit drawingColourPicked(bits);
            else
                emit eraseColourPicked(bits);
        });
    }
    grid->setRowStretch(5, 1);
}

} // namespace dravelle::ui
