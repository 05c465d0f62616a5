#include "base/appsettings.h"
#include "db/database.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "monitor/qburnsearch.h"
#include "monitor/qpollingthread.h"
#include "setuprig.h"
#include "support/permissionsenforced.h"
#include "support/scriptedprompter.h"
#include "ui/cmain.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/dialogs/qdiagnostics.h"
#include "ui/monitorcontrol.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTextEdit>
#include <QtTest>

namespace {

// What the window shows of the monitoring state: the status label, the
// label and icon at the top of the Main page, and the enabled actions.
struct Marks
{
    QString state;
    QString topLabel;
    QString icon;
    QStringList enabled;

    bool operator==(const Marks &other) const
    {
        return state == other.state && topLabel == other.topLabel && icon == other.icon && enabled == other.enabled;
    }
};

const QStringList kControlActions = {
    QStringLiteral("actionStart"),           QStringLiteral("actionStop"),
    QStringLiteral("actionSensor_Settings"), QStringLiteral("actionConfiguration_Wizard"),
    QStringLiteral("actionCOM_port"),        QStringLiteral("actionSearch_Inverters")};
const QStringList kIdle = {QStringLiteral("actionStart"), QStringLiteral("actionSensor_Settings"),
                           QStringLiteral("actionConfiguration_Wizard"), QStringLiteral("actionCOM_port"),
                           QStringLiteral("actionSearch_Inverters")};
const QStringList kRunning = {QStringLiteral("actionStop")};
const QStringList kNone;

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

Marks marksOf(const CMain &window)
{
    Marks marks;
    marks.state = window.findChild<QLabel *>(QStringLiteral("stateLabel"))->text();
    marks.topLabel = window.findChild<QLabel *>(QStringLiteral("rightTopLabel"))->text();
    const QImage shown = iconImage(window.findChild<QAbstractButton *>(QStringLiteral("rightTopIcon"))->icon());
    for (const char *name : {"control_pause_blue.png", "control_repeat.png", "control_play_blue.png", "zoom_in.png"}) {
        if (shown == iconImage(QIcon(QStringLiteral(":/DataManager/Resources/icon/") + QLatin1String(name))))
            marks.icon = QLatin1String(name);
    }
    for (const QString &action : kControlActions) {
        if (window.findChild<QAction *>(action)->isEnabled())
            marks.enabled << action;
    }
    return marks;
}

Marks expected(const QString &text, const QString &icon, const QStringList &enabled)
{
    return {text, text, icon, enabled};
}

QString aliveText(const CMain &window)
{
    return window.findChild<QLabel *>(QStringLiteral("aliveLabel"))->text();
}

// Rejects the configuration wizard whenever it runs, and counts its runs.
class WizardCloser : public QObject
{
public:
    WizardCloser() { startTimer(10); }
    int runs = 0;

protected:
    void timerEvent(QTimerEvent *) override
    {
        if (auto *wizard = qobject_cast<QConfigWizard *>(QApplication::activeModalWidget())) {
            ++runs;
            wizard->reject();
        }
    }
};

// The simulated line at 38400 baud, and the addresses that the window reads when shown.
void setUpLine(const QString &addresses = QString())
{
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM7"));
    writeSetting(QStringLiteral("COMPortFrm_baud_index"), 5);
    writeSetting(QStringLiteral("INV_ADDR"), addresses);
}

bool pollingRuns()
{
    const QPollingThread *polling = ProgramState::instance().pollingThread();
    return polling && polling->isRunning();
}

// A window monitoring inverters 1 and 2 of the mixed plant, through a session of the test's own.
struct MonitoringWindow
{
    SimulatedLine line;
    ScriptedPrompter prompter;
    MonitoringSession session;
    std::unique_ptr<CMain> window;

    bool start()
    {
        if (!line.startFile(QStringLiteral("mixed-plant.json")))
            return false;
        setUpLine(QStringLiteral("1,2"));
        window = std::make_unique<CMain>(nullptr, &session);
        window->show();
        window->start_monitor();
        return true;
    }
};

// The frames that ask inverter 1 for register 1, as the direct command does.
int directCommandsHeard(const LineSimulator &sim)
{
    int count = 0;
    for (const HeardRequest &request : sim.requests())
        count += request.bytes.startsWith(QByteArray::fromHex("0a010300010001"));
    return count;
}

int rowsOnline()
{
    int count = -1;
    db_query_int(QStringLiteral("select count(*) as n from orva_inverter where online = 1"), QStringLiteral("n"),
                 count);
    return count;
}

} // namespace

namespace QTest {
template<>
char *toString(const Marks &marks)
{
    return qstrdup(qPrintable(QStringLiteral("%1 | %2 | %3 | %4")
                                  .arg(marks.state, marks.topLabel, marks.icon, marks.enabled.join(QLatin1Char(' ')))));
}
} // namespace QTest

class TestMonitoring : public QObject
{
    Q_OBJECT

private slots:
    void statesFollowStartAndStop();
    void failedStartsOpenTheWizard();
    void exitQuestionDecidesWhetherMonitoringEnds();
    void automaticSearchNeverWaitsForAPerson();
    void automaticSearchThatFindsNothingCountsNoInverter();
    void directCommandPausesMonitoring();
};

void TestMonitoring::statesFollowStartAndStop()
{
    SimulatedLine line;
    QVERIFY(line.startFile(QStringLiteral("mixed-plant.json")));
    ScriptedPrompter prompter;
    setUpLine(QStringLiteral("1,2,9")); // 9 is silent
    CMain window;
    window.show();
    QCOMPARE(marksOf(window), expected(QStringLiteral("Not ready"), QStringLiteral("control_pause_blue.png"), kIdle));

    // The progress window tells each step while the events keep flowing.
    QStringList progressSeen;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&] {
        const auto *progress = window.findChild<QWidget *>(QStringLiteral("QProgessClass"));
        const auto *label = progress ? progress->findChild<QLabel *>(QStringLiteral("label")) : nullptr;
        if (label && progress->isVisible() && !progressSeen.contains(label->text()))
            progressSeen << label->text();
    });
    watch.start(1);
    window.findChild<QAction *>(QStringLiteral("actionStart"))->trigger();
    watch.stop();
    QCOMPARE(progressSeen,
             (QStringList{QStringLiteral("Communication Testing..."), QStringLiteral("Starting monitoring...")}));
    QCOMPARE(marksOf(window),
             expected(QStringLiteral("Monitoring..."), QStringLiteral("control_play_blue.png"), kRunning));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), (QList<int>{1, 2}));
    QVERIFY(prompter.messages().isEmpty());
    QTRY_COMPARE(aliveText(window), QStringLiteral("Active: 2  "));
    QVERIFY(window.monitorControl().totalsThread().isRunning());

    window.findChild<QAction *>(QStringLiteral("actionStop"))->trigger();
    QCOMPARE(marksOf(window),
             expected(QStringLiteral("Ready for monitoring..."), QStringLiteral("control_repeat.png"), kIdle));
    QCOMPARE(aliveText(window), QStringLiteral("Active: 0  "));
    QVERIFY(!pollingRuns());
    QVERIFY(!window.monitorControl().totalsThread().isRunning());

    // Started again, it polls again.
    window.start_monitor();
    QCOMPARE(marksOf(window).state, QStringLiteral("Monitoring..."));
    QVERIFY(pollingRuns());
}

void TestMonitoring::failedStartsOpenTheWizard()
{
    SimulatedLine line;
    QVERIFY(line.startFile(QStringLiteral("mixed-plant.json")));
    ScriptedPrompter prompter;
    setUpLine();
    CMain window;
    window.show();
    WizardCloser wizard;
    AddressTable &addresses = ProgramState::instance().addressTable();
    const Marks notReady = expected(QStringLiteral("Not ready"), QStringLiteral("control_pause_blue.png"), kIdle);

    // Nothing to poll: no test, no message, the wizard.
    window.start_monitor();
    QCOMPARE(wizard.runs, 1);
    QVERIFY(prompter.messages().isEmpty());
    QCOMPARE(line.sim.requestCount(), 0);
    // A search that found nothing changes nothing either.
    window.t_search_end();
    QCOMPARE(marksOf(window), notReady);

    // Nobody answers: every address is dropped.
    addresses.assign({9, 10});
    window.start_monitor();
    QCOMPARE(wizard.runs, 2);
    QCOMPARE(prompter.messages().size(), 1);
    QCOMPARE(
        prompter.messages().last().text,
        QStringLiteral("Communication fail! Please check out your COM Port settings, then search inverters again."));
    QVERIFY(addresses.isEmpty());
    QCOMPARE(marksOf(window), notReady);

    // The port does not open: the addresses stay.
    QFile::link(line.dir.file(QStringLiteral("none")), line.dir.file(QStringLiteral("ports/COM8")));
    ProgramState::instance().setLineSettings(8, 38400);
    addresses.assign({1});
    window.start_monitor();
    QCOMPARE(wizard.runs, 3);
    QCOMPARE(prompter.messages().last().title + QLatin1Char('|') + prompter.messages().last().text,
             QStringLiteral("Error|COM8 is not available!"));
    QCOMPARE(addresses.addresses(), QList<int>{1});
    QVERIFY(!pollingRuns());

    // The port is there, but this user may not open it: the message says how to get the right.
    line.dir.write(QStringLiteral("locked"), "");
    QVERIFY(QFile::setPermissions(line.dir.file(QStringLiteral("locked")), QFileDevice::Permissions()));
    QFile::link(line.dir.file(QStringLiteral("locked")), line.dir.file(QStringLiteral("ports/COM9")));
    ProgramState::instance().setLineSettings(9, 38400);
    {
        PermissionsEnforced enforced;
        window.start_monitor();
    }
    QCOMPARE(wizard.runs, 4);
    const QString denied = prompter.messages().last().text;
    QVERIFY2(denied.startsWith(QStringLiteral("COM9 (%1) is there, but this user may not open it. "
                                              "Add the user to the dialout group (sudo adduser ")
                                   .arg(QFileInfo(line.dir.file(QStringLiteral("locked"))).canonicalFilePath())),
             qPrintable(denied));
    QCOMPARE(addresses.addresses(), QList<int>{1});

    // A search that found inverters makes the window ready.
    window.t_search_end();
    QCOMPARE(marksOf(window),
             expected(QStringLiteral("Ready for monitoring..."), QStringLiteral("control_repeat.png"), kIdle));
}

void TestMonitoring::exitQuestionDecidesWhetherMonitoringEnds()
{
    MonitoringWindow monitoring;
    QVERIFY(monitoring.start());
    CMain &window = *monitoring.window;
    ScriptedPrompter &prompter = monitoring.prompter;
    QTRY_COMPARE(rowsOnline(), 2);
    QTRY_VERIFY(window.monitorControl().totalsThread().isRunning());

    prompter.setAnswer(false);
    QVERIFY(!window.close());
    QCOMPARE(prompter.questions(), QStringList(QStringLiteral("Confirm|Confirm to exit?")));
    QVERIFY(window.isVisible());
    QVERIFY(pollingRuns());
    QVERIFY(window.monitorControl().totalsThread().isRunning());
    QCOMPARE(marksOf(window).state, QStringLiteral("Monitoring..."));

    prompter.setAnswer(true);
    QVERIFY(window.close());
    QVERIFY(!window.isVisible());
    QVERIFY(!pollingRuns());
    QVERIFY(!window.monitorControl().totalsThread().isRunning());
    QVERIFY(monitoring.session.alarmMailer().waitForMails(QDeadlineTimer(0)));
    QCOMPARE(rowsOnline(), 0);
}

void TestMonitoring::automaticSearchNeverWaitsForAPerson()
{
    SimulatedLine line;
    QVERIFY(line.startFile(QStringLiteral("mixed-plant.json")));
    ScriptedPrompter prompter;
    setUpLine(QStringLiteral("1,2"));
    writeSetting(QStringLiteral("auto_search"), 1);
    writeSetting(QStringLiteral("auto_search_time"), 0);
    CMain window;
    window.show();
    QTimer &timer = window.monitorControl().autoSearchTimer();
    const AddressTable &addresses = ProgramState::instance().addressTable();
    const Marks monitoring =
        expected(QStringLiteral("Monitoring..."), QStringLiteral("control_play_blue.png"), kRunning);

    // No interval, no automatic search.
    window.start_monitor();
    QVERIFY(!timer.isActive());
    window.stop_monitor();
    writeSetting(QStringLiteral("auto_search_time"), 10);
    window.start_monitor();
    QVERIFY(timer.isActive());
    QCOMPARE(timer.interval(), 600000);

    // The search has the line alone and says so; inverters that share an address keep it (the stored answer).
    window.autoSearchHandler();
    QVERIFY(!pollingRuns());
    QCOMPARE(marksOf(window),
             expected(QStringLiteral("Searching for inverters..."), QStringLiteral("zoom_in.png"), kNone));
    QCOMPARE(aliveText(window), QStringLiteral("Active: 0  "));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!window.findChild<QBurnSearch *>()->resolveCollisions());
    // Monitoring goes on with all it found.
    QTRY_VERIFY_WITH_TIMEOUT(pollingRuns(), 120000);
    QCOMPARE(addresses.addresses(), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(marksOf(window), monitoring);
    QTRY_COMPARE(aliveText(window), QStringLiteral("Active: 4  "));
    QVERIFY(timer.isActive());

    // The port gone when the next search falls due: it ends at once, the saved inverters stay, and they are
    // polled again as soon as the port is back. The stored answer may change addresses now.
    writeSetting(QStringLiteral("auto_search_change_id"), 1);
    const QString port = line.dir.file(QStringLiteral("ports/COM7"));
    QVERIFY(QFile::remove(port));
    window.autoSearchHandler();
    QVERIFY(window.findChild<QBurnSearch *>()->resolveCollisions());
    QTRY_VERIFY(pollingRuns());
    QCOMPARE(marksOf(window), monitoring);
    QCOMPARE(addresses.addresses(), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QStringLiteral("1,2,3,4"));
    QVERIFY(line.sim.link(port));
    QTRY_COMPARE_WITH_TIMEOUT(rowsOnline(), 4, 20000);

    QVERIFY(prompter.questions().isEmpty());
    QVERIFY(prompter.messages().isEmpty());
}

void TestMonitoring::automaticSearchThatFindsNothingCountsNoInverter()
{
    MonitoringWindow monitoring;
    QVERIFY(monitoring.start());
    CMain &window = *monitoring.window;
    LineSimulator &sim = monitoring.line.sim;
    QTRY_COMPARE(aliveText(window), QStringLiteral("Active: 2  "));

    // Asleep, as at night: the search finds nothing (stopped once past the plant's addresses, as good as a
    // whole silent scan); the inverters stay saved and are polled until they answer.
    for (int inverter = 0; inverter < sim.inverterCount(); ++inverter)
        sim.addFault(inverter, FaultSpec::make(FaultSpec::Type::Silent));
    window.autoSearchHandler();
    QCOMPARE(aliveText(window), QStringLiteral("Active: 0  "));
    auto *search = window.findChild<QWidget *>(QStringLiteral("SearchInverterFrmClass"));
    QTRY_VERIFY(search->findChild<QProgressBar *>()->value() >= 5);
    clickButton(search, "btnStop");
    QTRY_VERIFY(pollingRuns());
    QCOMPARE(ProgramState::instance().addressTable().addresses(), (QList<int>{1, 2}));
    QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QStringLiteral("1,2"));
    QSignalSpy cycles(&monitoring.session, &MonitoringSession::cycleFinished);
    QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= 2, 20000); // the plant totals have counted meanwhile
    QCOMPARE(aliveText(window), QStringLiteral("Active: 0  "));
}

void TestMonitoring::directCommandPausesMonitoring()
{
    MonitoringWindow monitoring;
    QVERIFY(monitoring.start());
    CMain &window = *monitoring.window;
    MonitoringSession &session = monitoring.session;
    const ScriptedPrompter &prompter = monitoring.prompter;
    auto *diagnostics = window.findChild<QDiagnostics *>();
    auto *response = diagnostics->findChild<QTextEdit *>(QStringLiteral("teResponse"));
    diagnostics->show();

    // Polling waits between two cycles for the command, then goes on.
    QSignalSpy waits(&session, &MonitoringSession::waitModeEntered);
    QSignalSpy cycles(&session, &MonitoringSession::cycleFinished);
    clickButton(diagnostics, "btnSend");
    QVERIFY(response->toPlainText().startsWith(QLatin1String("0A 01 03 02 ")));
    QCOMPARE(waits.size(), 1);
    QVERIFY(pollingRuns());
    QVERIFY(!session.isWaitRequested());
    const int cyclesBefore = int(cycles.size());
    QTRY_VERIFY(cycles.size() > cyclesBefore);
    QCOMPARE(marksOf(window).state, QStringLiteral("Monitoring..."));
    QVERIFY(prompter.messages().isEmpty());

    // While an automatic search has the line, the command is refused and the line left alone.
    window.autoSearchHandler();
    const int commandsHeard = directCommandsHeard(monitoring.line.sim);
    response->clear();
    clickButton(diagnostics, "btnSend");
    QCOMPARE(prompter.messages().size(), 1);
    QCOMPARE(prompter.messages().last().text,
             QStringLiteral("The line is being searched for inverters. Please try again when the search has ended."));
    QVERIFY(response->toPlainText().isEmpty());
    QCOMPARE(directCommandsHeard(monitoring.line.sim), commandsHeard);
    clickButton(window.findChild<QWidget *>(QStringLiteral("SearchInverterFrmClass")), "btnStop");
}

QTEST_MAIN(TestMonitoring)
#include "tst_monitoring.moc"
