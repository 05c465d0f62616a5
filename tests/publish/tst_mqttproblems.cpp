#include "tst_mqttproblems.h"

#include "monitor/programstate.h"
#include "publish/mqttconnection.h"
#include "publish/mqttpublisher.h"
#include "support/mosquittobroker.h"
#include "support/tempappdir.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

namespace {

MqttSettings settingsFor(const QString &host, quint16 port)
{
    MqttSettings settings;
    settings.enabled = true;
    settings.host = host;
    settings.port = port;
    settings.site = QStringLiteral("test-plant");
    settings.clientId = settings.defaultClientId();
    settings.topicPrefix = settings.defaultTopicPrefix();
    return settings;
}

// The connection test: empty when it connected, else what the user is told.
QString probe(const MqttSettings &settings)
{
    MqttConnection connection(settings, MqttConnection::Mode::Probe);
    QSignalSpy up(&connection, &MqttConnection::connected);
    QSignalSpy failed(&connection, &MqttConnection::failed);
    connection.start();
    if (!connection.wait(20000))
        return QStringLiteral("no outcome");
    if (!failed.isEmpty())
        return failed.first().first().toString();
    return up.isEmpty() ? QStringLiteral("neither connected nor failed") : QString();
}

int logLines(const TempAppDir &dir, const QString &part)
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt"))).count(part);
}

} // namespace

void TestMqttProblems::refusedLogin()
{
    TempAppDir dir;
    MosquittoBroker broker(MosquittoBroker::Login);
    MqttSettings settings = broker.clientSettings(QStringLiteral("test-plant"));
    settings.user = QString::fromLatin1(MosquittoBroker::kUser);
    settings.password = QString::fromLatin1(MosquittoBroker::kPassword);
    QCOMPARE(probe(settings), QString());

    settings.password = QStringLiteral("wrong");
    const QString refused = QStringLiteral("The MQTT broker at 127.0.0.1:%1 refused the login of \"plant\": wrong "
                                           "user name or password, or the user may not connect.")
                                .arg(broker.port());
    QCOMPARE(probe(settings), refused);
    settings.user.clear();
    settings.password.clear();
    QVERIFY(probe(settings).contains(QLatin1String("without a login")));

    // Publishing goes on trying (after 1 s, then 2 s, ...), with one message and one log line.
    settings.user = QString::fromLatin1(MosquittoBroker::kUser);
    settings.password = QStringLiteral("wrong");
    const int logged = logLines(dir, QStringLiteral("[MQTT]")); // one for each test above
    MqttPublisher publisher(ProgramState::instance().sensors());
    QSignalSpy problems(&publisher, &MqttPublisher::problem);
    QVERIFY(publisher.configure(settings));
    QTRY_COMPARE(problems.count(), 1);
    QTest::qWait(3500);
    QCOMPARE(problems.count(), 1);
    QCOMPARE(problems.first().first().toString(), refused);
    QCOMPARE(logLines(dir, QStringLiteral("[MQTT]")), logged + 1);
}

void TestMqttProblems::unreachable_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing listens") << QStringLiteral("127.0.0.1")
                                     << QStringLiteral("The MQTT broker at 127.0.0.1:%1 refuses connections: is it "
                                                       "running, and is the port right?");
    QTest::newRow("no such host") << QStringLiteral("no-such-host.invalid")
                                  << QStringLiteral("The MQTT broker \"no-such-host.invalid\" cannot be found: there "
                                                    "is no such host.");
}

void TestMqttProblems::unreachable()
{
    QFETCH(QString, host);
    QFETCH(QString, message);
    TempAppDir dir;
    quint16 port = 0;
    {
        QTcpServer closed; // a port that nothing listens on once it is closed
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        port = closed.serverPort();
    }
    QCOMPARE(probe(settingsFor(host, port)), message.contains(QLatin1String("%1")) ? message.arg(port) : message);
    QCOMPARE(logLines(dir, QStringLiteral("[MQTT]")), 1);
}

void TestMqttProblems::badSettings()
{
    TempAppDir dir;
    MqttSettings settings = settingsFor(QStringLiteral("broker.test"), 8883);
    settings.tls = true;
    settings.caFile = dir.file(QStringLiteral("missing-ca.pem"));
    MqttPublisher publisher(ProgramState::instance().sensors());
    QSignalSpy problems(&publisher, &MqttPublisher::problem);
    QVERIFY(!publisher.configure(settings));
    QVERIFY(!publisher.isActive());
    QCOMPARE(problems.count(), 1);
    QCOMPARE(problems.first().first().toString(),
             QStringLiteral("The CA file \"%1\" cannot be read.").arg(settings.caFile));
    QCOMPARE(logLines(dir, QStringLiteral("[MQTT] not publishing: The CA file")), 1);

    settings.enabled = false; // switched off, nothing is wrong
    QVERIFY(publisher.configure(settings));
    QVERIFY(!publisher.isActive());
}

void TestMqttProblems::tlsVerifiesTheBroker()
{
    TempAppDir dir;
    MosquittoBroker broker(MosquittoBroker::Tls);
    MqttSettings settings = broker.clientSettings(QStringLiteral("test-plant"));
    settings.tls = true;
    settings.caFile = broker.caFile();
    QCOMPARE(probe(settings), QString());

    const QString untrusted = QStringLiteral("The TLS connection to the MQTT broker at 127.0.0.1:%1 failed: its "
                                             "certificate is not trusted (check the CA file and the host name) or it "
                                             "does not speak TLS on this port.")
                                  .arg(broker.port());
    settings.caFile = broker.otherCaFile();
    QCOMPARE(probe(settings), untrusted);
    settings.caFile.clear(); // the system's certificates do not know the broker's CA
    QCOMPARE(probe(settings), untrusted);
    settings.tls = false; // plain MQTT to a TLS port gets no answer it understands
    QVERIFY(!probe(settings).isEmpty());
}

void TestMqttProblems::queueKeepsADay()
{
    TempAppDir dir;
    const auto cycle = [](int n) { return MqttBatch{{QStringLiteral("t"), QByteArray::number(n), false}}; };
    PublishQueue day(10000, 1000000); // a "day" of 10 s
    for (int second = 0; second <= 20; ++second)
        day.push(second * 1000, cycle(second));
    QCOMPARE(day.cycles(), 11);
    QCOMPARE(day.dropped(), 10);
    QCOMPARE(day.take().payload, QByteArray("10"));
    QCOMPARE(logLines(dir, QStringLiteral("[MQTT] queue full")), 1);

    // Taken and not delivered: back at the front, in order.
    const MqttMessage second = day.take();
    day.putBack({{QStringLiteral("t"), "10", false}, second});
    QCOMPARE(day.take().payload, QByteArray("10"));
    QCOMPARE(day.take().payload, QByteArray("11"));

    PublishQueue small(PublishQueue::kDayMs, 10); // bytes: topic and payload
    for (int n = 100; n < 105; ++n)
        small.push(n, cycle(n));
    QCOMPARE(small.messages(), 2);
    QCOMPARE(small.take().payload, QByteArray("103"));
}
