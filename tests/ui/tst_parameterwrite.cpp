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

} // namespace

void TestParameterWrite::changeReachesTheInverterAndMonitoringGoesOn()
{
    PollingRig rig;
    ScriptedPrompter prompter;
    QVERIFY(rig.startPlant(kPlant, {1}));
    {
        // The window's port dialog loads the line settings.
        AppSettings settings;
        settings.setValue(Setting::COMPortFrm_com_name, QStringLiteral("COM%1").arg(PollingRig::kPort));
        settings.setValue(Setting::COMPortFrm_baud_index, 5); // 38400
    }
    MonitoringSession session;
    CMain window(nullptr, &session);
    auto *progress = window.findChild<QProgressWin *>();
    ParameterView *page = window.realTimeView()->parameterView();
    QMyTreeWidget *tree = window.realTimeView()->tree();
    QSignalSpy cycles(&session, &MonitoringSession::cycleFinished);
    window.start_monitor();
    QTRY_VERIFY_WITH_TIMEOUT(tree->topLevelItem(0)->childCount() == 1, 20000);

    emit tree->itemClicked(tree->topLevelItem(0)->child(0), 0);
    QTimer::singleShot(0, &window, [] {
        QWidget *password = QApplication::activeModalWidget();
        password->findChild<QLineEdit *>(QStringLiteral("lePwd"))->setText(QStringLiteral("53170482"));
        QTest::mouseClick(password->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
    });
    window.findChild<QTabWidget *>(QStringLiteral("realTimeSubTab"))->setCurrentIndex(RealTimeView::ParameterPage);
    auto *table = page->findChild<QTableWidget *>(QStringLiteral("table_para"));
    auto *newValue = page->findChild<QLineEdit *>(QStringLiteral("edNewValue"));
    auto *save = page->findChild<QPushButton *>(QStringLiteral("btnSave"));
    QCOMPARE(table->rowCount(), 18);
    QCOMPARE(table->item(4, 0)->text(), QStringLiteral("VacH_TRIP"));
    QCOMPARE(table->item(4, 1)->text(), QStringLiteral("260.00 V"));
    table->setCurrentCell(4, 0);
    page->itemClick(table->item(4, 0));
    QCOMPARE(newValue->text(), QStringLiteral("260.00"));
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("lblRange"))->text(), QStringLiteral("230.00 ~ 264.00 V"));

    // Refused before anything is written.
    const qint64 before = rig.sim.requestCount();
    for (const char *typed : {"25a", "264.01"}) {
        newValue->setText(QLatin1String(typed));
        QTest::mouseClick(save, Qt::LeftButton);
    }
    QCOMPARE(prompter.messages().size(), 2);
    QCOMPARE(prompter.messages().value(1).text, QStringLiteral("The value is not valid!"));

    // Written in the wait, framed by the lock register; the next cycle reads it back.
    QTimer::singleShot(30000, progress, &QWidget::close); // never hang the test
    newValue->setText(QStringLiteral("253"));
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(!progress->isVisible());
    QVERIFY(save->isEnabled());
    const QStringList written = {"6 137 0", "3 181 1", "6 5 2530", "6 137 1"};
    QStringList heard = heardSince(rig.sim, before);
    const int at = heard.indexOf(written.first());
    QCOMPARE(heard.mid(at, 4), written);
    QCOMPARE(heard.filter(QRegularExpression(QStringLiteral("^6 "))).size(), 3);
    QCOMPARE(rig.sim.readRegisters(0, 5, 1).value(0), quint16(2530));
    QCOMPARE(rig.sim.readRegisters(0, 137, 1).value(0), quint16(1));
    QCOMPARE(table->item(4, 1)->text(), QStringLiteral("253.00 V"));

    // An inverter that stops answering: "Save fail.", the old value, and monitoring goes on.
    rig.sim.addFault(0, FaultSpec::make(FaultSpec::Type::Silent));
    newValue->setText(QStringLiteral("250"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(prompter.messages().last().title + QLatin1Char('|') + prompter.messages().last().text,
             QStringLiteral("Warning|Save fail."));
    QCOMPARE(table->item(4, 1)->text(), QStringLiteral("253.00 V"));
    QVERIFY(!progress->isVisible());
    const int cyclesAfterFailure = cycles.count();
    QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= cyclesAfterFailure + 2, 30000);
    rig.sim.setFaults(0, {});

    // The record gone from the page's last cycle when the wait begins: the thread is let go and the window
    // freed at once. The page loses it as soon as the save waits, and again after a cycle that ends meanwhile.
    auto *parameters = window.findChild<ParameterView *>();
    const auto withoutRecord = [parameters] { parameters->refresh(DeviceSnapshot()); };
    const auto stripping = connect(&window.monitorControl(), &MonitorControl::cycleDone, parameters, withoutRecord);
    QTimer::singleShot(0, parameters, withoutRecord);
    QTest::mouseClick(save, Qt::LeftButton);
    disconnect(stripping);
    QVERIFY(rig.logText().contains(QLatin1String("pDevice null at")));
    QVERIFY(!progress->isVisible());
    const int cyclesAfterRelease = cycles.count();
    QTRY_VERIFY_WITH_TIMEOUT(cycles.count() >= cyclesAfterRelease + 2, 30000);

    // Without monitoring the line is free: the value is written at once.
    window.stop_monitor();
    QVERIFY(!session.isPollingRunning());
    newValue->setText(QStringLiteral("254"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(rig.sim.readRegisters(0, 5, 1).value(0), quint16(2540));
    QVERIFY(!progress->isVisible());
}
