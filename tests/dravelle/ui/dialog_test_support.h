#pragma once

#include "tests/common/widget_find.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>

// Finding controls as a screen reader does.
template <class T>
T *findNamed(QWidget *root, const QString &name)
{
    return byName<T>(root, name);
}

// A check box or radio button takes clicks on its box and caption only: click
// near its left edge, where the box is, however wide the layout made it.
inline void clickBox(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void clickNamed(QWidget *root, const QString &name)
{
    auto *button = findNamed<QAbstractButton>(root, name);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + name));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Answers the modal windows that appear while it lives: each time one is
// active it is handed to `answer` (which must close it). Message boxes are
// answered by default with their first button, and their texts kept.
class ModalAnswerer {
public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalAnswerer(Answer answer = {})
        : m_answer(std::move(answer))
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    const QStringList &messages() const { return m_messages; }
    int answered() const { return m_answered; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        m_last = modal;
        ++m_answered;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_messages << box->text();
            box->buttons().first()->click();
        } else if (m_answer) {
            m_answer(modal);
        }
    }

    Answer m_answer;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QStringList m_messages;
    int m_answered = 0;
};
