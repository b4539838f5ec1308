#pragma once

#include <QGuiApplication>

// Fonts, text drawing and picture decoding need a QGuiApplication. Tests call
// this from SetUpTestSuite; the one instance lives until the program ends.
inline QGuiApplication *ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "cross-tests";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app =
        QGuiApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    return app;
}
