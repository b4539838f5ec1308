#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

// The name a screen reader gives a control: its accessible name, or the
// caption of a button (without '&') or label that carries its own name.
inline QString spokenName(const QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return QString(button->text()).remove(QLatin1Char('&'));
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return QString(label->text()).remove(QLatin1Char('&'));
    return {};
}

// The control of type T under `root` called `name`, or nullptr. Tests find
// controls the way a screen-reader user does.
template <class T = QWidget>
T *byName(const QWidget *root, const QString &name)
{
    for (T *widget : root->findChildren<T *>())
        if (spokenName(widget) == name)
            return widget;
    return nullptr;
}
