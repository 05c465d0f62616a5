#include "tst_alarms.h"

#include "base/appsettings.h"
#include "db/database.h"
#include "device/devicemap.h"
#include "device/tripvalues.h"
#include "linesimulator.h"
#include "monitor/alarmmailer.h"
#include "monitor/alarmselection.h"
#include "monitor/programstate.h"
#include "support/golden.h"
#include "support/smtptestserver.h"
#include "support/tempappdir.h"

#include <QProcess>
#include <QtTest>

namespace {

void setWord(DeviceRecord &device, int reg, quint16 value)
{
    DeviceRecord::MonitorBlock block = device.monitorBlock();
    block[size_t(reg - 181) * 2] = quint8(value >> 8);
    block[size_t(reg - 181) * 2 + 1] = quint8(value);
    device.setMonitorBlock(block.data());
}

// Stores the mail settings of the test server in the database.
void storeMailSettings(quint16 port, const QString &server = QStringLiteral("127.0.0.1"))
{
    db_exec(QStringLiteral("insert into mail_setting (account,password,port,mail_server,sender_mail) "
                           "values(?,?,?,?,?)"),
            {QString::fromUtf8(SmtpTestServer::kUser), QString::fromUtf8(SmtpTestServer::kPassword), port, server,
             QStringLiteral("plant@solar.test")});
    db_exec(QStringLiteral("insert into mail_recipient (mail) values(?)"), {QStringLiteral("ops@solar.test")});
    db_exec(QStringLiteral("insert into mail_recipient (mail) values(?)"), {QStringLiteral("owner@solar.test")});
}

// One finished polling cycle that leaves the device of address 3 as set up by change.
template<typename Change>
void cycle(DeviceMap &devices, Change change)
{
    DeviceMap::Cycle cycle(devices);
    change(cycle.record(3));
}

QString body(const QJsonObject &mail)
{
    const QString data = mail[QStringLiteral("data")].toString();
    return data.mid(data.indexOf(QStringLiteral("\r\n\r\n")) + 4);
}

} // namespace

void TestAlarms::tripValues()
{
    DeviceRecord eur;
    setWord(eur, 214, 2530);
    setWord(eur, 228, 3001);
    setWord(eur, 229, 3105);
    setWord(eur, 230, 2999);
    QCOMPARE(tripValueText(1, 1, eur), QStringLiteral("253.00 V"));
    QCOMPARE(tripValueText(1, 2, eur), QStringLiteral("253.00 V"));
    QCOMPARE(tripValueText(1, 13, eur), QStringLiteral("300.10 V  310.50 V  299.90 V  "));
    QCOMPARE(tripValueText(1, 0, eur), QString()); // no value for this bit
    QCOMPARE(tripValueText(4, 0, eur), QString());

    DeviceRecord usa0 = eur;
    usa0.versionw3 = 3;
    QCOMPARE(tripValueText(1, 13, usa0), QStringLiteral("300.10 V"));
    setWord(usa0, 258, 65535); // unsigned
    QCOMPARE(tripValueText(2, 8, usa0), QStringLiteral("6553.50 A"));

    DeviceRecord usa1 = eur;
    usa1.versionw3 = 400;
    QCOMPARE(tripValueText(1, 1, usa1), QString());
}

void TestAlarms::alarmMailArrives()
{
    TempAppDir dir;
    dir.openDatabase();
    SmtpTestServer server;
    storeMailSettings(server.port());
    {
        AppSettings settings;
        AlarmSelection::setBits(settings, 0, 0, {1, 13}); // EUR_ERR0
    }
    DeviceMap devices;
    cycle(devices, [](QDevice &d) {
        d.sn_name = QStringLiteral("EU<4K4>001");
        d.current_ver = 123;
        d.sequence_ver = 45;
        d.err1 = (1 << 1) | (1 << 13) | (1 << 0); // bit 0 is not chosen
        setWord(d, 214, 2530);
        d.ac_power = 3200;
    });
    AlarmMailer mailer;
    mailer.loadSettings();
    mailer.checkAlarms(devices, true);
    QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));

    const QList<QJsonObject> mails = server.messages();
    QCOMPARE(mails.size(), 1);
    QCOMPARE(mails[0][QStringLiteral("rcpt_tos")].toVariant().toStringList(),
             (QStringList{"ops@solar.test", "owner@solar.test"}));
    QVERIFY(mails[0][QStringLiteral("data")].toString().contains(
        QStringLiteral("Subject:Error Code Event -- Lumora Data Manager EU<4K4>001\r\n")));
    COMPARE_GOLDEN("alarm-mail.txt", body(mails[0])); // the chosen bits 1 and 13, not bit 0
    QCOMPARE(devices.snapshotOf(3)->alarmedErrors, (AlarmedErrors{{1, {1, 13}}}));
}

void TestAlarms::alarmsOnceUntilReset()
{
    TempAppDir dir;
    dir.openDatabase();
    SmtpTestServer server;
    storeMailSettings(server.port());
    {
        AppSettings settings;
        AlarmSelection::setBits(settings, 0, 0, {1, 2});
        AlarmSelection::setBits(settings, 0, 3, {5});
    }
    DeviceMap devices;
    AlarmMailer mailer;
    mailer.loadSettings();
    auto check = [&] {
        mailer.checkAlarms(devices, true);
        QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));
    };

    cycle(devices, [](QDevice &d) { d.err1 = 1 << 1; });
    check();
    QCOMPARE(server.messages(1).size(), 1);
    cycle(devices, [](QDevice &) {}); // the same bits a cycle later
    check();
    QCOMPARE(server.messages(2, 1500).size(), 1);

    cycle(devices, [](QDevice &d) { d.err4 = 1 << 5; }); // a new bit alarms at once
    check();
    const QList<QJsonObject> mails = server.messages(2);
    QCOMPARE(mails.size(), 2);
    QVERIFY(body(mails[1]).contains(QStringLiteral("AC over current, continuously<br>")));

    cycle(devices, [](QDevice &d) { d.alarmedErrors.clear(); }); // the hourly reset
    check();
    QCOMPARE(server.messages(3).size(), 3);

    // Not delivered while the window is hidden: stored all the same, so it is not mailed later either.
    cycle(devices, [](QDevice &d) { d.err1 = 1 << 2; });
    mailer.checkAlarms(devices, false);
    QCOMPARE(devices.snapshotOf(3)->alarmedErrors.value(1), QList<int>{2});
    mailer.checkAlarms(devices, true);
    QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));
    QCOMPARE(server.messages(4, 1500).size(), 3);
}

void TestAlarms::keysFollowFamilyAndModel()
{
    TempAppDir dir;
    dir.openDatabase();
    SmtpTestServer server;
    storeMailSettings(server.port());
    {
        AppSettings settings;
        AlarmSelection::setBits(settings, 1, 0, {3}); // USA0_ERR0
        AlarmSelection::setBits(settings, 2, 0, {4}); // USA1_ERR0
    }
    DeviceMap devices;
    AlarmMailer mailer;
    mailer.loadSettings();
    // A USA0 inverter of a listed model takes the USA1 keys; bit 3 alone does not alarm it.
    cycle(devices, [](QDevice &d) {
        d.versionw3 = 3;
        d.type_name = QStringLiteral("LMR-10K-US");
        d.err1 = 1 << 3;
    });
    mailer.checkAlarms(devices, true);
    QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));
    QCOMPARE(server.messages(1, 1500).size(), 0);
    cycle(devices, [](QDevice &d) { d.err1 = (1 << 3) | (1 << 4); });
    mailer.checkAlarms(devices, true);
    QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));
    const QList<QJsonObject> mails = server.messages(1);
    QCOMPARE(mails.size(), 1);
    // The USA0 table's text for the bit, with its trip value.
    QVERIFY(body(mails[0]).contains(
        QStringLiteral("The frequency of AC voltage of the utility is under the lower limit : 0.00 Hz<br>")));
}

void TestAlarms::loggerMailsScheduledError_data()
{
    QTest::addColumn<QString>("certificateHost");
    QTest::newRow("certificate for the server") << QStringLiteral("localhost");
    QTest::newRow("certificate for another host") << QStringLiteral("mail.other.test");
}

void TestAlarms::loggerMailsScheduledError()
{
    QFETCH(QString, certificateHost);
    TempAppDir dir;
    dir.openDatabase();
    SmtpTestServer server(SmtpTestServer::StartTls, certificateHost); // AUTH only after STARTTLS
    storeMailSettings(server.port(), QStringLiteral("localhost"));
    db_close();
    LineSimulator sim;
    QString error;
    QVERIFY2(sim.startFile(QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/mixed-plant.json"), &error),
             qPrintable(error));
    QVERIFY(sim.link(dir.file(QStringLiteral("ports/COM7"))));
    {
        AppSettings settings;
        settings.setValue(Setting::COMPortFrm_com_name, QStringLiteral("COM7"));
        settings.setValue(Setting::COMPortFrm_baud_index, 5);
        settings.setValue(Setting::INV_ADDR, QStringLiteral("1,2,3,4"));
        AlarmSelection::setBits(settings, 1, 0, {3}); // USA0_ERR0: FacH
        settings.setValue(Setting::MAIL_ENCRYPTION, QStringLiteral("starttls"));
        settings.setValue(Setting::MAIL_CA_FILE, server.caFile());
    }
    // The scenario schedules err1 = 8 on its USA0 inverter (address 3) from its 60th second on: start there.
    sim.setTimeOffset(60);

    QProcess logger;
    logger.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMORA_HOME"), dir.path());
    logger.setProcessEnvironment(environment);
    logger.start(QStringLiteral(LUMORA_LOGGER), {QStringLiteral("--cycles"), QStringLiteral("1")});
    QVERIFY(logger.waitForFinished(120000));
    QCOMPARE(logger.exitCode(), 0);

    if (certificateHost != QStringLiteral("localhost")) {
        QVERIFY(server.messages(1, 300).isEmpty());
        const QByteArray log = dir.read(QStringLiteral("log.txt"));
        QVERIFY2(log.contains("]- Certificate of mail server localhost refused (for mail.other.test, "), log);
        return;
    }
    const QList<QJsonObject> mails = server.messages(1);
    QCOMPARE(mails.size(), 1);
    const QString data = mails[0][QStringLiteral("data")].toString();
    QVERIFY(data.contains(QStringLiteral("Subject:Error Code Event -- Lumora Data Manager LU50C0034567")));
    QVERIFY(data.contains(QStringLiteral("Content-Type: text/html;")));
    QVERIFY2(body(mails[0]).contains(QRegularExpression(QStringLiteral(
                 "<br>The frequency of AC voltage of the utility is over the upper limit : \\d+\\.\\d\\d Hz<br>"))),
             qPrintable(body(mails[0])));
}
