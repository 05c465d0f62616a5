#include "tst_mqttpayloads.h"

#include "base/appsettings.h"
#include "monitor/programstate.h"
#include "support/pollingrig.h"
#include "publish/mqttpublisher.h"
#include "support/golden.h"
#include "support/mosquittobroker.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Every retained message a newcomer gets, by topic.
QStringList retained(quint16 port, int expected)
{
    MosquittoSubscriber newcomer(port, {QStringLiteral("#")});
    QStringList lines = newcomer.lines(expected);
    lines += newcomer.lines(expected + 1, 300).mid(lines.size()); // and nothing more
    lines.sort();
    return lines;
}

QString maskTimes(QString text)
{
    static const QRegularExpression time(QStringLiteral("\"time\": ?\"[^\"]*\""));
    return text.replace(time, QStringLiteral("\"time\": \"<time>\""));
}

// The state messages indented, the discovery configs one a line.
QString readable(const QStringList &lines, bool states)
{
    QString text;
    for (const QString &line : lines) {
        const int space = line.indexOf(QLatin1Char(' '));
        const QString topic = line.left(space);
        if (topic.startsWith(QLatin1String("homeassistant/")) == states)
            continue;
        const QJsonDocument json = QJsonDocument::fromJson(line.mid(space + 1).toUtf8());
        text += topic + (states && json.isObject() ? QStringLiteral("\n") + QString::fromUtf8(json.toJson())
                                                   : QLatin1Char(' ') + line.mid(space + 1) + QLatin1Char('\n'));
    }
    return maskTimes(text);
}

} // namespace

void TestMqttPayloads::mixedPlantAndItsDiscovery()
{
    PollingRig rig;
    QByteArray plant = PollingRig::kMixedPlant;
    // Heat-sink temperatures (the USA1 one below zero) and today's energies.
    plant.replace("\"247\":2100}", "\"247\":2100,\"206\":412,\"217\":183}");
    plant.replace("\"229\":60}", "\"229\":60,\"212\":65531,\"213\":456}");
    QVERIFY(rig.startPlant(plant, {1, 2, 3, 4}));
    rig.addSensor(21, 1, QString(), 0, false, false, QStringLiteral("Irradiance"), QStringLiteral("W/m2"));
    rig.addSensor(22, 3, QStringLiteral("/"), 10, true, true, QStringLiteral("Module temp."), QStringLiteral("°C"));
    {
        AppSettings settings;
        settings.setValue(Setting::sbCo2, 0.45);
        settings.setValue(Setting::sbMoney, 0.32);
        settings.setValue(Setting::co2symbol, 1);
    }
    QVERIFY(rig.run(1));
    DeviceSnapshot snapshot = ProgramState::instance().devices().snapshot();

    MosquittoBroker broker;
    MqttPublisher publisher(ProgramState::instance().sensors());
    MqttSettings settings = broker.clientSettings(QStringLiteral("test-plant"));
    settings.siteName = QStringLiteral("Test plant");
    settings.discoveryPrefix = QStringLiteral("homeassistant");
    QVERIFY(publisher.configure(settings));
    publisher.publishCycle(snapshot);
    QTRY_COMPARE_WITH_TIMEOUT(publisher.waitingMessages(), 0, 10000);

    // The status, 12 configs per inverter, 2 for the sensors, 7 for the plant; 4 + 2 + 1 states.
    const QStringList all = retained(broker.port(), 65);
    QCOMPARE(all.size(), 65);
    QVERIFY(all.contains(QStringLiteral("lumora/test-plant/status online")));
    COMPARE_GOLDEN("mqtt-states.txt", readable(all, true));
    COMPARE_GOLDEN("mqtt-discovery.txt", readable(all, false));
    static const QRegularExpression iso(QStringLiteral("\"time\":\"2026-06-01T13:00:0\\d(Z|[+-]\\d\\d:\\d\\d)\""));
    QVERIFY2(all.filter(iso).size() == 7, qPrintable(all.filter(QStringLiteral("/state")).join('\n')));

    // Deleted in the window while it sleeps: its configs and state go, and stay away while it does not answer.
    const QString serial = QStringLiteral("LU50C0034567");
    publisher.removeInverter(serial);
    snapshot[3].fail_count = DeviceRecord::kOfflineFailCount;
    publisher.publishCycle(snapshot);
    QTRY_COMPARE_WITH_TIMEOUT(publisher.waitingMessages(), 0, 10000);
    const QStringList left = retained(broker.port(), 52);
    QCOMPARE(left.size(), 52);
    QVERIFY(left.filter(serial).isEmpty());

    // A clean stop says so.
    publisher.stop();
    QVERIFY(retained(broker.port(), 52).contains(QStringLiteral("lumora/test-plant/status offline")));
}
