#pragma once

#include <QGuiApplication>

#include <gtest/gtest.h>

// Fonts and text drawing need a QGuiApplication; the tests run it offscreen.
class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char name[] = "test";
            static char *argv[] = {name, nullptr};
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

inline ::testing::Environment *const kGuiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);
