// The device dialogs through their widgets: the enabling rules and stored
// keys without a cross, the read-backs, sets and the test against a virtual
// cross on a pseudo-terminal, and dialogs closed while their worker runs.

#include "halvane/link/settings_commands.h"
#include "halvane/settings/halvane_config.h"
#include "halvane/project/play_project.h"
#include "halvane/ui/about_dlg.h"
#include "halvane/ui/dialog_hooks.h"
#include "halvane/ui/on_off_dlg.h"
#include "halvane/ui/parameters_dlg.h"
#include "halvane/ui/search_cross_dlg.h"
#include "halvane/ui/set_bright_dlg.h"
#include "halvane/ui/test_cross_dlg.h"
#include "halvane/ui/ui_messages.h"

#include "common/profile.h"
#include "halvane/link/serial_port.h"
#include "tests/common/widget_find.h"
#include "tools/cross-sim/pty_cross.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace halvane;
using ui::CrossDialog;

namespace {

constexpr char kBoot[] = "PORT=1\nBAUDRATE=115200\nADDRESS1=FF\nADDRESS2=FF\nADDRESS3=FF\nADDRESS4=EF\n";
constexpr int kExchangeTimeoutMs = 15'000;

QComboBox *list(QWidget *dialog, const QString &name)
{
    return byName<QComboBox>(dialog, name);
}

} // namespace

class DeviceDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void setBrightEnablesTheRowsOnlyForHours();
    void setBrightReadsBackAndSendsTheSchedule();
    void setBrightRefusesTimesOutOfOrder();
    void setWhileTheReadBackHoldsTheCrossSendsNothing();
    void onOffAlwaysClosedDisablesTheRowAndSends88();
    void onOffReadsBackTheStoredWeek();
    void typedMinutesTakeOnlyListEntries();
    void searchCrossStoresUpperCaseParts();
    void searchCrossFindsTheMarkedCross();
    void parametersRadiosTakeEffectAtOnce();
    void parametersSetToCrossStoresZoneAndFactor();
    void aboutWithoutACrossLeavesTheMcuEmpty();
    void aboutShowsTheCrossVersion();
    void crossTestShowsTheResult();
    void closingWhileTheWorkerRunsStopsIt();
    void syncTimeSetsTheClockOrSaysWhy();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString appFolder() const { return m_dir->path() + QLatin1Char('/'); }
    QString ini() const { return path(QStringLiteral("Halvane.ini")); }
    void writeIni(const QByteArray &extra = {});
    cross_sim::PtyCross &startCross();
    link::LinkContext context() const { return m_system->context(); }
    template <class Dialog, class... Args>
    std::unique_ptr<Dialog> open(Args... args)
    {
        auto dialog = std::make_unique<Dialog>(context(), args...);
        m_spy = std::make_unique<QSignalSpy>(dialog.get(), &CrossDialog::exchangeEnded);
        dialog->show();
        return dialog;
    }
    bool exchangeEnded() { return !m_spy->isEmpty() || m_spy->wait(kExchangeTimeoutMs); }
    template <class F>
    auto crossState(F f) { return m_cross->withCross([&](const cross_sim::VirtualCross &c) { return f(c.state()); }); }
    // The fixed text first, then which device and why.
    void expectPortMissing(const QString &message, int port) const
    {
        const QStringList lines = message.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0), QStringLiteral("Can't Open Com Port!"));
        QVERIFY2(lines.value(1).contains(QStringLiteral("COM%1 (%2)").arg(port).arg(path(QStringLiteral("com%1").arg(port)))),
                 qPrintable(message));
        QVERIFY2(lines.value(1).contains(QStringLiteral("does not exist")), qPrintable(message));
    }
    QString boot(const char *key) const
    {
        return common::GetPrivateProfileStringA(QStringLiteral("BOOT"), QString::fromLatin1(key), QString(), 100, ini());
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<link::SystemLink> m_system;
    std::unique_ptr<cross_sim::PtyCross> m_cross;
    std::unique_ptr<QSignalSpy> m_spy;
    QStringList m_messages;
};

void DeviceDialogsTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    writeIni();
    m_system = std::make_unique<link::SystemLink>(appFolder());
    m_messages.clear();
    ui::setMessageHandler([this](const ui::MessageRequest &request) { m_messages << request.text; });
}

void DeviceDialogsTest::cleanup()
{
    ui::setMessageHandler({});
    m_spy.reset();
    m_cross.reset();
    m_system.reset();
    m_dir.reset();
}

// BOOT, and every port mapped to a pseudo-terminal path of this test (only
// COM1 ever gets a cross), so no real device is opened.
void DeviceDialogsTest::writeIni(const QByteArray &extra)
{
    QByteArray text = "[BOOT]\n" + QByteArray(kBoot) + extra + "\n[PORTS]\n";
    for (int n = 1; n <= 16; ++n)
        text += QStringLiteral("COM%1=%2\n").arg(n).arg(path(QStringLiteral("com%1").arg(n))).toUtf8();
    QFile file(ini());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

cross_sim::PtyCross &DeviceDialogsTest::startCross()
{
    cross_sim::CrossConfig config;
    config.baudRate = 115200;
    m_cross = std::make_unique<cross_sim::PtyCross>(config);
    const common::Status started = m_cross->start(path(QStringLiteral("com1")));
    if (!started)
        qWarning() << started.message;
    return *m_cross;
}

void DeviceDialogsTest::setBrightEnablesTheRowsOnlyForHours()
{
    auto dialog = open<ui::SetBrightDlg>();
    QComboBox *first = list(dialog.get(), QStringLiteral("Row 1 hour"));
    auto *automatic = byName<QCheckBox>(dialog.get(), QStringLiteral("Brightness automatically"));
    QComboBox *row2 = list(dialog.get(), QStringLiteral("Row 2 hour"));
    QVERIFY(first && automatic && row2);
    // The defaults: "Alway 1 rate", rows 2-4 at 01, 02, 03, levels 1..4.
    QCOMPARE(first->currentText(), QStringLiteral("Alway 1 rate"));
    QCOMPARE(row2->currentText(), QStringLiteral("01"));
    QCOMPARE(list(dialog.get(), QStringLiteral("Row 4 level"))->currentText(), QStringLiteral("4 rate"));
    QVERIFY(!row2->isEnabled());
    QCOMPARE(first->count(), 28);

    first->setCurrentIndex(first->findText(QStringLiteral("Alway 4 rate")));
    QVERIFY(!row2->isEnabled());
    QVERIFY(!list(dialog.get(), QStringLiteral("Row 1 minute"))->isEnabled());
    first->setCurrentIndex(first->findText(QStringLiteral("07")));
    QVERIFY(row2->isEnabled());
    QVERIFY(list(dialog.get(), QStringLiteral("Row 3 level"))->isEnabled());
    QCOMPARE(dialog->shownSchedule().rows[0].start.hour, 7);

    // The tick box disables everything but itself; clearing it with an
    // "Alway" entry chosen leaves the rows disabled.
    automatic->click();
    QVERIFY(!first->isEnabled());
    QVERIFY(!row2->isEnabled());
    first->setCurrentIndex(first->findText(QStringLiteral("Alway 4 rate")));
    automatic->click();
    QVERIFY(first->isEnabled());
    QVERIFY(!row2->isEnabled());
    QVERIFY(exchangeEnded()); // the read-back found no cross and left the defaults
    QCOMPARE(first->currentText(), QStringLiteral("Alway 4 rate"));
}

void DeviceDialogsTest::setBrightReadsBackAndSendsTheSchedule()
{
    startCross();
    link::BrightnessSchedule stored;
    stored.mode = link::BrightnessSchedule::Mode::Times;
    stored.rows = {{{{6, 30}, 1}, {{9, 0}, 3}, {{18, 15}, 2}, {{22, 0}, 0}}};
    QVERIFY(link::SetBrightnessSchedule(context(), stored).ok());

    auto dialog = open<ui::SetBrightDlg>();
    QVERIFY(exchangeEnded());
    QCOMPARE(dialog->shownSchedule(), stored);
    QCOMPARE(list(dialog.get(), QStringLiteral("Row 1 hour"))->currentText(), QStringLiteral("06"));
    QCOMPARE(list(dialog.get(), QStringLiteral("Row 3 minute"))->currentText(), QStringLiteral("15"));
    QVERIFY(list(dialog.get(), QStringLiteral("Row 2 hour"))->isEnabled());

    // "Alway 3 rate" goes out as 0x92 and the dialog stays open.
    QComboBox *first = list(dialog.get(), QStringLiteral("Row 1 hour"));
    first->setCurrentIndex(first->findText(QStringLiteral("Alway 3 rate")));
    m_spy->clear();
    byName<QPushButton>(dialog.get(), QStringLiteral("Set"))->click();
    QVERIFY(exchangeEnded());
    QCOMPARE(m_messages, QStringList{QStringLiteral("Set Bright Complete!")});
    QCOMPARE(quint8(crossState([](const cross_sim::CrossState &s) { return s.brightness; }).at(0)), quint8(0x92));
    QVERIFY(dialog->isVisible());
}

void DeviceDialogsTest::setBrightRefusesTimesOutOfOrder()
{
    startCross();
    auto dialog = open<ui::SetBrightDlg>();
    QVERIFY(exchangeEnded());
    const int seen = m_cross->withCross([](const cross_sim::VirtualCross &c) { return c.state().commandsSeen; });
    // A fresh cross follows the daylight: the read-back ticked the box.
    auto *automatic = byName<QCheckBox>(dialog.get(), QStringLiteral("Brightness automatically"));
    QVERIFY(automatic->isChecked());
    automatic->click();
    QComboBox *first = list(dialog.get(), QStringLiteral("Row 1 hour"));
    first->setCurrentIndex(first->findText(QStringLiteral("08")));
    QComboBox *row2 = list(dialog.get(), QStringLiteral("Row 2 hour"));
    row2->setCurrentIndex(8);
    list(dialog.get(), QStringLiteral("Row 1 minute"))->setCurrentIndex(0);
    list(dialog.get(), QStringLiteral("Row 2 minute"))->setCurrentIndex(0);
    byName<QPushButton>(dialog.get(), QStringLiteral("Set"))->click();
    QCOMPARE(m_messages, QStringList{QStringLiteral("HH2:MM2 is smaller than HH1:MM1")});
    QVERIFY(!dialog->crossBusy());
    QTest::qWait(200);
    QCOMPARE(m_cross->withCross([](const cross_sim::VirtualCross &c) { return c.state().commandsSeen; }), seen);
}

void DeviceDialogsTest::setWhileTheReadBackHoldsTheCrossSendsNothing()
{
    startCross();
    auto dialog = open<ui::OnOffDlg>();
    // The read-back waits two seconds for the cross's answer.
    QTRY_VERIFY_WITH_TIMEOUT(dialog->crossBusy(), 2000);
    byName<QPushButton>(dialog.get(), QStringLiteral("Set"))->click();
    QVERIFY2(dialog->statusText().contains(QStringLiteral("busy")), qPrintable(dialog->statusText()));
    QVERIFY(exchangeEnded());
    QTest::qWait(200);
    QVERIFY(m_messages.isEmpty());
    // Only the read-back's call cross reached the cross.
    QCOMPARE(m_cross->withCross([](const cross_sim::VirtualCross &c) { return c.state().commandsSeen; }), 1);
}

void DeviceDialogsTest::onOffAlwaysClosedDisablesTheRowAndSends88()
{
    startCross();
    auto dialog = open<ui::OnOffDlg>();
    QVERIFY(exchangeEnded());
    QComboBox *sunday = list(dialog.get(), QStringLiteral("Sunday first open hour"));
    QComboBox *sundayClose = list(dialog.get(), QStringLiteral("Sunday second close minute"));
    QVERIFY(sunday && sundayClose);
    QCOMPARE(sunday->count(), 26);
    sunday->setCurrentIndex(sunday->findText(QStringLiteral("09")));
    QVERIFY(sundayClose->isEnabled());
    sunday->setCurrentIndex(sunday->findText(QStringLiteral("Always closed")));
    QVERIFY(!sundayClose->isEnabled());
    QVERIFY(!list(dialog.get(), QStringLiteral("Sunday first close hour"))->isEnabled());
    QVERIFY(sunday->isEnabled());

    m_spy->clear();
    byName<QPushButton>(dialog.get(), QStringLiteral("Set"))->click();
    QVERIFY(exchangeEnded());
    QCOMPARE(m_messages, QStringList{QStringLiteral("Set Open/Close Complete!")});
    const QByteArray week = crossState([](const cross_sim::CrossState &s) { return s.onOff; });
    QCOMPARE(quint8(week.at(0)), quint8(0x88)); // Sunday goes first
    QCOMPARE(quint8(week.at(8)), quint8(0x99)); // Monday still always open
}

void DeviceDialogsTest::onOffReadsBackTheStoredWeek()
{
    startCross();
    link::OnOffSchedule stored;
    stored[2].mode = link::OnOffDay::Mode::Times; // Wednesday
    stored[2].times = {{{7, 0}, {12, 30}, {13, 30}, {23, 0}}};
    stored[6].mode = link::OnOffDay::Mode::AlwaysClosed; // Sunday
    QVERIFY(link::SetOnOffSchedule(context(), stored).ok());

    auto dialog = open<ui::OnOffDlg>();
    QVERIFY(exchangeEnded());
    QCOMPARE(dialog->shownSchedule()[2], stored[2]);
    QCOMPARE(dialog->shownSchedule()[6].mode, link::OnOffDay::Mode::AlwaysClosed);
    QCOMPARE(list(dialog.get(), QStringLiteral("Wednesday first open hour"))->currentText(), QStringLiteral("07"));
    QVERIFY(list(dialog.get(), QStringLiteral("Wednesday second close hour"))->isEnabled());
    QVERIFY(!list(dialog.get(), QStringLiteral("Sunday first close hour"))->isEnabled());
}

void DeviceDialogsTest::typedMinutesTakeOnlyListEntries()
{
    auto dialog = open<ui::OnOffDlg>();
    QComboBox *first = list(dialog.get(), QStringLiteral("Friday first open hour"));
    first->setCurrentIndex(first->findText(QStringLiteral("10")));
    QComboBox *minute = list(dialog.get(), QStringLiteral("Friday first open minute"));
    minute->setFocus();
    // A typed entry is selected; text that names none goes back to the selection.
    minute->lineEdit()->selectAll();
    QTest::keyClicks(minute->lineEdit(), QStringLiteral("45"));
    QTest::keyClick(minute->lineEdit(), Qt::Key_Return);
    QCOMPARE(minute->currentIndex(), 45);
    minute->lineEdit()->selectAll();
    QTest::keyClicks(minute->lineEdit(), QStringLiteral("75"));
    QTest::keyClick(minute->lineEdit(), Qt::Key_Return);
    QCOMPARE(minute->currentIndex(), 45);
    QCOMPARE(minute->currentText(), QStringLiteral("45"));
    // Enter took the text only: "Set" was not pressed.
    QVERIFY(!dialog->crossBusy());
    QVERIFY(dialog->statusText().isEmpty());
    QCOMPARE(dialog->shownSchedule()[4].times[0], (link::ClockTime{10, 45}));
}

void DeviceDialogsTest::searchCrossStoresUpperCaseParts()
{
    auto dialog = open<ui::SearchCrossDlg>();
    auto *row2 = byName<QLineEdit>(dialog.get(), QStringLiteral("Address No 2"));
    QVERIFY(row2);
    QCOMPARE(row2->maxLength(), 8);
    QTest::keyClicks(row2, QStringLiteral("12ab34cd"));
    QCOMPARE(row2->text(), QStringLiteral("12AB34CD"));
    byName<QRadioButton>(dialog.get(), QStringLiteral("No 2 is the current cross"))->click();
    byName<QPushButton>(dialog.get(), QStringLiteral("OK"))->click();
    QVERIFY(!dialog->isVisible());

    const QStringList parts = {QStringLiteral("12"), QStringLiteral("AB"), QStringLiteral("34"), QStringLiteral("CD")};
    for (int part = 0; part < 4; ++part) {
        const QString key = QStringLiteral("ADDRESS%1").arg(part + 1);
        QCOMPARE(common::GetPrivateProfileStringA(QStringLiteral("BOOT"), key, QString(), 10, ini()), parts[part]);
        QCOMPARE(common::GetPrivateProfileStringA(QStringLiteral("ADDR2"), key, QString(), 10, ini()), parts[part]);
    }
    QCOMPARE(boot("CROSSNO"), QStringLiteral("1"));

    // Cancel stores nothing.
    auto again = open<ui::SearchCrossDlg>();
    auto *row1 = byName<QLineEdit>(again.get(), QStringLiteral("Address No 1"));
    QCOMPARE(byName<QLineEdit>(again.get(), QStringLiteral("Address No 2"))->text(), QStringLiteral("12AB34CD"));
    QTest::keyClicks(row1, QStringLiteral("99"));
    byName<QPushButton>(again.get(), QStringLiteral("Cancel"))->click();
    QCOMPARE(common::GetPrivateProfileStringA(QStringLiteral("ADDR1"), QStringLiteral("ADDRESS1"), QString(), 10, ini()),
             QString());
}

void DeviceDialogsTest::searchCrossFindsTheMarkedCross()
{
    startCross();
    auto dialog = open<ui::SearchCrossDlg>();
    QSignalSpy status(dialog.get(), &ui::SearchCrossDlg::crossStatusChanged);
    QTest::keyClicks(byName<QLineEdit>(dialog.get(), QStringLiteral("Address No 3")), QStringLiteral("ffffffef"));
    byName<QRadioButton>(dialog.get(), QStringLiteral("No 3 is the current cross"))->click();
    byName<QPushButton>(dialog.get(), QStringLiteral("Search cross"))->click();
    QVERIFY(exchangeEnded());
    QCOMPARE(m_messages, QStringList{QStringLiteral("Find cross!")});
    QCOMPARE(status.count(), 1);
    QCOMPARE(boot("FIND"), QStringLiteral("1"));
    QCOMPARE(boot("CROSSNO"), QStringLiteral("2"));
    QVERIFY(dialog->isVisible());

    // A wrong address: the cross does not answer.
    auto *row3 = byName<QLineEdit>(dialog.get(), QStringLiteral("Address No 3"));
    row3->clear();
    QTest::keyClicks(row3, QStringLiteral("01020304"));
    m_spy->clear();
    byName<QPushButton>(dialog.get(), QStringLiteral("Search cross"))->click();
    QVERIFY(exchangeEnded());
    QCOMPARE(m_messages.last(), QStringLiteral("Can't find cross!"));
    QCOMPARE(status.count(), 1);
}

void DeviceDialogsTest::parametersRadiosTakeEffectAtOnce()
{
    writeIni("CROSSSTYLE=99\nHARNESSFRAMEDOTS=2\nTIMEZONE=30\nTEMPFACTOR=3\n");
    auto dialog = open<ui::ParametersDlg>();
    auto *r48 = byName<QRadioButton>(dialog.get(), QStringLiteral("48 x 48"));
    auto *r64 = byName<QRadioButton>(dialog.get(), QStringLiteral("64 x 64"));
    QVERIFY(r48 && r64);
    QVERIFY(!r48->isChecked());
    QVERIFY(!r64->isChecked());
    QVERIFY(byName<QRadioButton>(dialog.get(), QStringLiteral("Harness frame dots 2"))->isChecked());
    // A stored zone that names no entry shows the first; the factor its own.
    QCOMPARE(list(dialog.get(), QStringLiteral("Time Zone"))->currentText(), QStringLiteral("Zone 0"));
    QCOMPARE(list(dialog.get(), QStringLiteral("Temp. Factor"))->currentText(), QStringLiteral("+7"));

    QSignalSpy changed(dialog.get(), &ui::ParametersDlg::crossGeometryChanged);
    r64->click();
    QCOMPARE(boot("CROSSSTYLE"), QStringLiteral("1"));
    byName<QRadioButton>(dialog.get(), QStringLiteral("Harness frame dots None"))->click();
    QCOMPARE(boot("HARNESSFRAMEDOTS"), QStringLiteral("0"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(settings::readStartupSettings(ini()).geometry().side, 64);

    // Cancel keeps what the radios did, and stores no zone.
    list(dialog.get(), QStringLiteral("Time Zone"))->setCurrentIndex(5);
    byName<QPushButton>(dialog.get(), QStringLiteral("Cancel"))->click();
    QCOMPARE(boot("CROSSSTYLE"), QStringLiteral("1"));
    QCOMPARE(boot("TIMEZONE"), QStringLiteral("30"));
}

void DeviceDialogsTest::parametersSetToCrossStoresZoneAndFactor()
{
    // Without a cross: the link's message, nothing stored.
    {
        auto dialog = open<ui::ParametersDlg>();
        byName<QPushButton>(dialog.get(), QStringLiteral("Set to cross"))->click();
        QVERIFY(exchangeEnded());
        QCOMPARE(m_messages.size(), 1);
        expectPortMissing(m_messages.first(), 1);
        QCOMPARE(boot("TIMEZONE"), QString());
    }
    m_messages.clear();
    startCross();
    auto dialog = open<ui::ParametersDlg>();
    QSignalSpy status(dialog.get(), &ui::ParametersDlg::crossStatusChanged);
    list(dialog.get(), QStringLiteral("Time Zone"))->setCurrentIndex(8); // E8
    QComboBox *factor = list(dialog.get(), QStringLiteral("Temp. Factor"));
    factor->setCurrentIndex(factor->findText(QStringLiteral("-3")));
    byName<QRadioButton>(dialog.get(), QStringLiteral("Harness frame dots 3"))->click();
    byName<QPushButton>(dialog.get(), QStringLiteral("Set to cross"))->click();
    QVERIFY(exchangeEnded());
    QCOMPARE(m_messages, QStringList{QStringLiteral("Set cross's parameters ok!")});
    QCOMPARE(status.count(), 1);
    QCOMPARE(boot("TIMEZONE"), QStringLiteral("8"));
    QCOMPARE(boot("TEMPFACTOR"), QStringLiteral("13"));
    const QByteArray sent = crossState([](const cross_sim::CrossState &s) { return s.parameters; });
    QCOMPARE(sent.mid(12, 3), QByteArray::fromHex("0308FD"));
}

void DeviceDialogsTest::aboutWithoutACrossLeavesTheMcuEmpty()
{
    auto dialog = open<ui::AboutDlg>();
    QCOMPARE(dialog->versionLine(), QStringLiteral("Halvane_SingleColor  Version  6.6"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("About Halvane"));
    QVERIFY(exchangeEnded());
    QCOMPARE(dialog->mcuVersion(), QString());
    QVERIFY(m_messages.isEmpty());
}

void DeviceDialogsTest::aboutShowsTheCrossVersion()
{
    startCross();
    auto dialog = open<ui::AboutDlg>();
    QVERIFY(exchangeEnded());
    QCOMPARE(byName<QLineEdit>(dialog.get(), QStringLiteral("MCU Version"))->text(), QStringLiteral("CRS48V10"));
}

void DeviceDialogsTest::crossTestShowsTheResult()
{
    startCross();
    auto dialog = open<ui::TestCrossDlg>(20'000);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->crossBusy(), 3000);
    m_cross->requestSelfTest();
    QVERIFY(exchangeEnded());
    QCOMPARE(dialog->resultText(), QStringLiteral("Test Cross Work OK!"));

    // A cross that sends too little: the test gives up as an error.
    auto quiet = open<ui::TestCrossDlg>(1500);
    QVERIFY(exchangeEnded());
    QCOMPARE(quiet->resultText(), QStringLiteral("Test Cross Work Error!"));
}

void DeviceDialogsTest::closingWhileTheWorkerRunsStopsIt()
{
    startCross();
    {
        auto dialog = open<ui::TestCrossDlg>(600'000);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->crossBusy(), 3000);
        byName<QPushButton>(dialog.get(), QStringLiteral("Exit"))->click();
        QVERIFY(!dialog->isVisible());
        // The worker stops at its next wait, well before the test's time-out.
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->crossBusy(), 2000);
        QCOMPARE(dialog->resultText(), QString());
    }
    {
        // Destroyed outright during the read-back's two-second wait.
        auto dialog = open<ui::OnOffDlg>();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->crossBusy(), 2000);
        dialog.reset();
    }
    QTest::qWait(100);
    // The port is free again: the next exchange gets through.
    const auto version = link::ReadMcuVersion(context());
    QVERIFY2(version.status.ok(), qPrintable(version.status.message));
}

void DeviceDialogsTest::syncTimeSetsTheClockOrSaysWhy()
{
    project::PlayProject project{project::AnimationLibrary(path(QStringLiteral("animations")))};
    const ui::DialogHooks hooks = ui::availableDialogs(project, appFolder());
    QWidget window;
    hooks.syncTime(&window);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages.size(), 1, kExchangeTimeoutMs);
    expectPortMissing(m_messages.first(), 1);

    m_messages.clear();
    startCross();
    hooks.syncTime(&window);
    QTRY_VERIFY_WITH_TIMEOUT(!crossState([](const cross_sim::CrossState &s) { return s.clock; }).isEmpty(),
                             kExchangeTimeoutMs);
    QTest::qWait(300);
    QVERIFY(m_messages.isEmpty());
}

QTEST_MAIN(DeviceDialogsTest)
#include "test_device_dialogs.moc"
