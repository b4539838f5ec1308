#pragma once

#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts, text drawing and picture decoding need a QGuiApplication. Including
// this header gives the test program one for the whole run: it is created
// before the first test and deleted after the last one.
class GuiApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "cross-tests";
        static char *argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            m_app = new QGuiApplication(argc, argv);
        }
    }
    void TearDown() override
    {
        delete m_app;
        m_app = nullptr;
    }

private:
    QGuiApplication *m_app = nullptr;
};

inline ::testing::Environment *const kGuiApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);
