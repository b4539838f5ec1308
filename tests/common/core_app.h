#pragma once

#include <QCoreApplication>

// Serial ports need the event dispatcher of a QCoreApplication on the main
// thread; tests that open real devices call this first.
inline void ensureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}
