#pragma once

#include "tests/common/core_app.h"
#include "tests/common/temp_dir.h"
#include "tools/cross-sim/pty_cross.h"

#include <map>
#include <memory>

// Test support: virtual crosses on pseudo-terminals of their own, reached
// through section PORTS of a Halvane.ini in a temporary application folder.
// Every port 1..16 is mapped, those without a cross to a path that does not
// exist, so no real serial device is ever opened.
class PtyFixture : public TempDirTest {
protected:
    void SetUp() override { ensureCoreApplication(); }

    QString appFolder() const { return m_dir.path() + QLatin1Char('/'); }
    QString ini() const { return path(QStringLiteral("Halvane.ini")); }

    // Starts a cross whose terminal is COM<port>.
    cross_sim::PtyCross &addCross(int port, cross_sim::CrossConfig config = {})
    {
        auto cross = std::make_unique<cross_sim::PtyCross>(config);
        const common::Status started = cross->start(path(QStringLiteral("com%1").arg(port)));
        EXPECT_TRUE(started) << started.message.toStdString();
        m_crosses[port] = std::move(cross);
        return *m_crosses[port];
    }

    // Writes Halvane.ini: BOOT with `boot` lines, and the PORTS section.
    void writeIni(const QByteArray &boot)
    {
        QByteArray text = "[BOOT]\n" + boot + "\n[PORTS]\n";
        for (int n = 1; n <= 16; ++n)
            text += QStringLiteral("COM%1=%2\n").arg(n).arg(path(QStringLiteral("com%1").arg(n))).toUtf8();
        writeFile(QStringLiteral("Halvane.ini"), text);
    }

    std::map<int, std::unique_ptr<cross_sim::PtyCross>> m_crosses;
};
