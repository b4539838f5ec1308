#pragma once

#include <QAbstractButton>
#include <QWidget>

// The name a screen reader gives a control: its accessible name, or a
// button's caption without '&'.
inline QString spokenName(const QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return QString(button->text()).remove(QLatin1Char('&'));
    return {};
}

// The control of type T under `root` called `name`, or nullptr.
template <class T>
T *byName(QWidget *root, const QString &name)
{
    for (T *widget : root->findChildren<T *>())
        if (spokenName(widget) == name)
            return widget;
    return nullptr;
}
