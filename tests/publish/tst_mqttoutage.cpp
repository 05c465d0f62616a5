#include "monitor/programstate.h"
#include "publish/mqttpublisher.h"
#include "support/mosquittobroker.h"
#include "support/tempappdir.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QtTest>

// The broker stopped for a minute while cycles go on: once it is back, every
// cycle's state arrives, in order.
class TestMqttOutage : public QObject
{
    Q_OBJECT

private slots:
    void everyCycleArrivesInOrder();
};

void TestMqttOutage::everyCycleArrivesInOrder()
{
    TempAppDir dir;
    MosquittoBroker broker;
    // A subscriber whose session the broker keeps while either of them is away.
    MosquittoSubscriber subscriber(broker.port(), {QStringLiteral("lumora/+/inverter/+/state")},
                                   QStringLiteral("outage-watch"));
    QVERIFY(subscriber.waitUntilSubscribed(broker.port(), QStringLiteral("lumora/probe/inverter/x/state")));

    MqttPublisher publisher(ProgramState::instance().sensors());
    QVERIFY(publisher.configure(broker.clientSettings(QStringLiteral("outage"))));

    // A cycle every 200 ms; each one's reading carries its number as the total energy.
    DeviceRecord inverter;
    inverter.sn_name = QStringLiteral("LE44A0012345");
    inverter.addr = 1;
    int cycles = 0;
    QTimer polling;
    QObject::connect(&polling, &QTimer::timeout, [&] {
        inverter.total_power = ++cycles;
        publisher.publishCycle({{1, inverter}});
    });
    polling.start(200);

    QTest::qWait(2000);
    broker.stop();
    QTest::qWait(60000);
    QVERIFY(publisher.waitingMessages() > 250); // two per cycle: the inverter, the plant
    QVERIFY(broker.start());
    // Reconnected within the longest pause (60 s), and a few cycles more.
    QTRY_VERIFY_WITH_TIMEOUT(publisher.waitingMessages() < 10, 70000);
    QTest::qWait(1000);
    polling.stop();
    QTRY_COMPARE_WITH_TIMEOUT(publisher.waitingMessages(), 0, 10000);

    // QoS 1 delivers at least once: a message whose acknowledgement was lost comes
    // twice, so lines are read until every cycle has come (a late probe is not one).
    QList<int> received;
    QDeadlineTimer deadline(20000);
    for (int read = 0; received.size() < cycles && !deadline.hasExpired();) {
        const QStringList lines = subscriber.lines(read + 1, int(deadline.remainingTime()));
        for (; read < lines.size(); ++read) {
            if (lines.at(read).startsWith(QLatin1String("lumora/probe/")))
                continue;
            const QJsonObject state =
                QJsonDocument::fromJson(lines.at(read).section(QLatin1Char(' '), 1).toUtf8()).object();
            const int cycle = state.value(QStringLiteral("energy_total")).toInt();
            if (!received.contains(cycle))
                received.append(cycle);
        }
    }
    QCOMPARE(received.size(), cycles);
    for (int i = 0; i < received.size(); ++i)
        QCOMPARE(received.at(i), i + 1);
}

QTEST_GUILESS_MAIN(TestMqttOutage)
#include "tst_mqttoutage.moc"
