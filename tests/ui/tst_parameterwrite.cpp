#include "tst_parameterwrite.h"

#include "base/appsettings.h"
#include "monitor/monitoringsession.h"
#include "support/pollingrig.h"
#include "support/scriptedprompter.h"
#include "ui/cmain.h"
#include "ui/monitorcontrol.h"
#include "ui/qprogresswin.h"
#include "ui/views/parameterview.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimeview.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// An EUR inverter of grid standard 2 whose VacH_TRIP (register 5, 0.1 V) is 260 V.
const QByteArray kPlant = R"({"inverters":[{"address":1,"serial":"LE44A0012345","typeNo":2,
  "registers":{"5":2600},"live":{}}]})";

// The requests heard from `from` on, as "function register value" texts.
QStringList heardSince(const LineSimulator &sim, qint64 from)
{
    QStringList frames;
    for (const HeardRequest &request : sim.requests()) {
        if (request.sequence < from)
            continue;
        const QByteArray &b = request.bytes;
        frames << QStringLiteral("%1 %2 %3")
                      .arg(quint8(b.at(2)))
                      .arg((quint8(b.at(3)) << 8) | quint8(b.at(4)))
                      .arg((quint8(b.at(5)) << 8) | quint8(b.at(6)));
    }
    return frames;
}

// The window monitoring the plant, on the parameter page of its inverter with VacH_TRIP (row 4) picked.
struct ParameterPage
{
    PollingRig rig;
    ScriptedPrompter prompter;
    MonitoringSession session;
    std::unique_ptr<CMain> window;
    QProgressWin *progress = nullptr;
    ParameterView *page = nullptr;
    QTableWidget *table = nullptr;
    QLineEdit *newValue = nullptr;
    QPushButton *save = nullptr;

    ParameterPage()
    {
        QVERIFY(rig.startPlant(kPlant, {1}));
        {
            // The window's port dialog loads the line settings.
            AppSettings settings;
            settings.setValue(Setting::COMPortFrm_com_name, QStringLiteral("COM%1").arg(PollingRig::kPort));
            settings.setValue(Setting::COMPortFrm_baud_index, 5); // 38400
        }
        window = std::make_unique<CMain>(nullptr, &session);
        progress = window->findChild<QProgressWin *>();
        page = window->realTimeView()->parameterView();
        QMyTreeWidget *tree = window->realTimeView()->tree();
        window->start_monitor();
        QTRY_VERIFY_WITH_TIMEOUT(tree->topLevelItem(0)->childCount() == 1, 20000);

        emit tree->itemClicked(tree->topLevelItem(0)->child(0), 0);
        QTimer::singleShot(0, window.get(), [] {
            QWidget *password = QApplication::activeModalWidget();
            password->findChild<QLineEdit *>(QStringLiteral("lePwd"))->setText(QStringLiteral("53170482"));
            QTest::mouseClick(password->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
        });
        window->findChild<QTabWidget *>(QStringLiteral("realTimeSubTab"))->setCurrentIndex(RealTimeView::ParameterPage);
        table = page->findChild<QTableWidget *>(QStringLiteral("table_para"));
        newValue = page->findChild<QLineEdit *>(QStringLiteral("edNewValue"));
        save = page->findChild<QPushButton *>(QStringLiteral("btnSave"));
        QCOMPARE(table->rowCount(), 18);
        QCOMPARE(table->item(4, 0)->text(), QStringLiteral("VacH_TRIP"));
        QCOMPARE(table->item(4, 1)->text(), QStringLiteral("260.00 V"));
        table->setCurrentCell(4, 0);
        page->itemClick(table->item(4, 0));
        QCOMPARE(newValue->text(), QStringLiteral("260.00"));
    }

    // Saves the value; during the save, `meanwhile` runs from the event loop.
    void saveValue(const QString &value, const std::function<void()> &meanwhile = {})
    {
        if (meanwhile)
            QTimer::singleShot(0, window.get(), meanwhile);
        newValue->setText(value);
        QTest::mouseClick(save, Qt::LeftButton);
    }
};

} // namespace

void TestParameterWrite::changeReachesTheInverterAndMonitoringGoesOn()
{
    ParameterPage p;
    if (QTest::currentTestFailed())
        return;
    PollingRig &rig = p.rig;
    const ScriptedPrompter &prompter = p.prompter;
    QSignalSpy cycles(&p.session, &MonitoringSession::cycleFinished);
    QCOMPARE(p.page->findChild<QLabel *>(QStringLiteral("lblRange"))->text(), QStringLiteral("230.00 ~ 264.00 V"));

    // Refused before anything is written.
    const qint64 before = rig.sim.requestCount();
    for (const char *typed : {"25a", "264.01"})
        p.saveValue(QLatin1String(typed));
    QCOMPARE(prompter.messages().size(), 2);
    QCOMPARE(prompter.messages().value(1).text, QStringLiteral("The value is not valid!"));

    // Written while polling waits, framed by the lock register.
    p.saveValue(QStringLiteral("253"));
    QVERIFY(!p.progress->isVisible());
    QVERIFY(p.save->isEnabled());
    const QStringList written = {"6 137 0", "3 181 1", "6 5 2530", "6 137 1"};
    QStringList heard = heardSince(rig.sim, before);
    const int at = heard.indexOf(written.first());
    QCOMPARE(heard.mid(at, 4), written);
    QCOMPARE(heard.filter(QRegularExpression(QStringLiteral("^6 "))).size(), 3);
    QCOMPARE(rig.sim.readRegisters(0, 5, 1).value(0), quint16(2530));
    QCOMPARE(rig.sim.readRegisters(0, 137, 1).value(0), quint16(1));
    QCOMPARE(p.table->item(4, 1)->text(), QStringLiteral("253.00 V"));

    // An inverter that stops answering: "Save fail.", the old value, and monitoring goes on.
    rig.sim.addFault(0, FaultSpec::make(FaultSpec::Type::Silent));
    p.saveValue(QStringLiteral("250"));
    QCOMPARE(prompter.messages().last().title + QLatin1Char('|') + prompter.messages().last().text,
             QStringLiteral("Warning|Save fail."));
    QCOMPARE(p.table->item(4, 1)->text(), QStringLiteral("253.00 V"));
    QVERIFY(!p.progress->isVisible());
    const int cyclesAfterFailure = cycles.count();
    QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= cyclesAfterFailure + 2, 30000);
    rig.sim.setFaults(0, {});

    // The record gone from the page's last cycle while the save waits for the line: nothing is written,
    // the save says so and polling goes on. The page loses it as soon as the save waits, and again after
    // a cycle that ends meanwhile.
    const auto withoutRecord = [page = p.page] { page->refresh(DeviceSnapshot()); };
    const auto stripping = connect(&p.window->monitorControl(), &MonitorControl::cycleDone, p.page, withoutRecord);
    const qint64 beforeGone = rig.sim.requestCount();
    p.saveValue(QStringLiteral("251"), withoutRecord);
    disconnect(stripping);
    QVERIFY(rig.logText().contains(QLatin1String("pDevice null at")));
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Save fail."));
    QVERIFY(heardSince(rig.sim, beforeGone).filter(QRegularExpression(QStringLiteral("^6 "))).isEmpty());
    QVERIFY(!p.progress->isVisible());
    const int cyclesAfterRelease = cycles.count();
    QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= cyclesAfterRelease + 2, 30000);
}

void TestParameterWrite::everyWayOutOfASaveEndsIt()
{
    ParameterPage p;
    if (QTest::currentTestFailed())
        return;
    const auto ended = [&p] { return !p.progress->isVisible() && p.save->isEnabled(); };

    // The auto-search timer fires during the save: the search waits for the line's return.
    p.saveValue(QStringLiteral("255"), [&p] { p.window->autoSearchHandler(); });
    QVERIFY(ended());
    QCOMPARE(p.rig.sim.readRegisters(0, 5, 1).value(0), quint16(2550));
    QCOMPARE(p.table->item(4, 1)->text(), QStringLiteral("255.00 V"));
    auto *search = p.window->findChild<QWidget *>(QStringLiteral("SearchInverterFrmClass"));
    QTRY_VERIFY(search->findChild<QProgressBar *>()->value() >= 2); // past the plant's address
    QTest::mouseClick(search->findChild<QPushButton *>(QStringLiteral("btnStop")), Qt::LeftButton);
    QTRY_VERIFY(p.session.isPollingRunning());
    // The page refreshes from the cycles again.
    p.rig.sim.setRegister(0, 5, 2570);
    QTRY_COMPARE(p.table->item(4, 1)->text(), QStringLiteral("257.00 V"));

    // Escape closes the progress window and the user stops monitoring before polling waits: the line is free.
    p.saveValue(QStringLiteral("256"), [&p] {
        QTest::keyClick(p.progress, Qt::Key_Escape);
        p.window->stop_monitor();
    });
    QVERIFY(ended());
    QCOMPARE(p.rig.sim.readRegisters(0, 5, 1).value(0), quint16(2560));
    QCOMPARE(p.table->item(4, 1)->text(), QStringLiteral("256.00 V"));
    QVERIFY(p.prompter.messages().isEmpty());
}
