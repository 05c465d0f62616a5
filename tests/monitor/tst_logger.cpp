#include "tst_logger.h"

#include "db/database.h"
#include "linesimulator.h"
#include "support/permissionsenforced.h"
#include "support/tempappdir.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <atomic>
#include <csignal>

namespace {

const QByteArray kPlant = R"({"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"196":18,"197":3426,"247":2100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"196":10,"197":0,"247":3100}}]})";

// The cable to inverter 2 spoils a third of its replies.
const QByteArray kWeakPlant = R"({"seed":5,"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"247":2100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"247":3100},
   "faults":[{"type":"wrongCrc","probability":0.33}]}]})";

void writeSettings(const TempAppDir &dir, const QByteArray &port, const QByteArray &addresses)
{
    dir.installCleanDatabase();
    QByteArray ini = "[General]\nLANG=0\nCOMPortFrm_com_name=" + port + "\nCOMPortFrm_baud_index=5\n";
    if (!addresses.isEmpty())
        ini += "INV_ADDR=\"" + addresses + "\"\n";
    dir.write(QStringLiteral("app.ini"), ini);
}

void startLogger(QProcess &logger, const TempAppDir &dir, const QStringList &arguments = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMORA_HOME"), dir.path());
    logger.setProcessEnvironment(environment);
    logger.start(QStringLiteral(LUMORA_LOGGER), arguments);
    QVERIFY(logger.waitForStarted());
}

// The plant on COM7, its inverters at 1 and 2 in app.ini, and the logger started on it.
void startOnPlant(QProcess &logger, LineSimulator &sim, const TempAppDir &dir, const QByteArray &plant)
{
    writeSettings(dir, "COM7", "1,2");
    QVERIFY(sim.start(QJsonDocument::fromJson(plant).object()));
    QVERIFY(sim.link(dir.file(QStringLiteral("ports/COM7"))));
    startLogger(logger, dir);
}

// Reads the logger's output until it holds `text`.
bool waitForOutput(QProcess &logger, QByteArray &output, const QByteArray &text, int timeoutMs = 20000)
{
    while (!output.contains(text)) {
        if (!logger.waitForReadyRead(timeoutMs))
            return false;
        output += logger.readAllStandardOutput();
    }
    return true;
}

QStringList column(const DbRows &rows, const QString &name)
{
    QStringList values;
    for (const DbRow &row : rows)
        values << row.value(name);
    return values;
}

} // namespace

void TestLogger::cleanStopOnSigterm()
{
    TempAppDir dir;
    LineSimulator sim;
    QProcess logger;
    startOnPlant(logger, sim, dir, kPlant);
    QByteArray output;
    QVERIFY2(waitForOutput(logger, output, "cycle 2:"), output.constData());

    // An error begins, and SIGTERM arrives while the first inverter's block is read.
    sim.setErrorWord(0, 1, 8);
    std::atomic<qint64> signalledAt{-1};
    const qint64 pid = logger.processId();
    sim.setTrace([&](const QString &line) {
        if (line.contains(QLatin1String("(addr 1 read 181 x15)")) && signalledAt.load() < 0) {
            signalledAt = sim.requestCount();
            ::kill(pid_t(pid), SIGTERM);
        }
    });
    QVERIFY(logger.waitForFinished(20000));
    sim.setTrace({});
    output += logger.readAllStandardOutput();
    QCOMPARE(logger.exitStatus(), QProcess::NormalExit);
    QCOMPARE(logger.exitCode(), 0);

    // Two cycles, or a third when the error came after its block had been read.
    const QStringList lines = QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int cycles = lines.size() - 2;
    QVERIFY2(cycles == 2 || cycles == 3, output.constData());
    QCOMPARE(lines.first(), QStringLiteral("Monitoring 2 inverter(s) on COM7 at 38400 baud."));
    for (int cycle = 1; cycle <= cycles; ++cycle)
        QCOMPARE(
            lines[cycle],
            QStringLiteral("cycle %1: 2 of 2 inverters online, AC power 5000 W, total yield 28342.6 kWh").arg(cycle));
    QCOMPARE(lines.last(), QStringLiteral("Monitoring stopped after %1 cycle(s).").arg(cycles));
    // The stopped cycle left the line before the second inverter but wrote its error row.
    for (const HeardRequest &request : sim.requests())
        QVERIFY(request.sequence < signalledAt.load() || quint8(request.bytes.at(1)) != 2);
    dir.openDatabase();
    QCOMPARE(column(db_query(QStringLiteral("SELECT online FROM orva_inverter")), "online"), (QStringList{"0", "0"}));
    const DbRows rows = db_query(QStringLiteral("SELECT inverter_id, err1 FROM orva_monitor_log ORDER BY id"));
    QCOMPARE(column(rows, "inverter_id"), (QStringList{"1", "2", "1"}));
    QCOMPARE(column(rows, "err1"), (QStringList{"0", "0", "8"}));
}

void TestLogger::sleepingInverterAndBadSettings()
{
    TempAppDir dir;
    dir.installCleanDatabase();
    dir.write(QStringLiteral("app.ini"), "[General]\nLANG=0\nCOMPortFrm_com_name=COM7\nCOMPortFrm_baud_index=99\n"
                                         "INV_ADDR=\"1,2,abc,999\"\nsbSaveInterval=1\nrbAuto=1\n"
                                         "MAIL_ENCRYPTION=ssl\nMAIL_CA_FILE=ca.pem\n");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("log.txt")));
    LineSimulator sim;
    // The second inverter sleeps through the first seconds of the run.
    QVERIFY(sim.start(QJsonDocument::fromJson(R"({"inverters":[
      {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"247":2100}},
      {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"247":3100},
       "faults":[{"type":"silent","to":6}]}]})")
                          .object()));
    QVERIFY(sim.link(dir.file(QStringLiteral("ports/COM7"))));
    QProcess logger;
    startLogger(logger, dir);
    QByteArray output;
    QVERIFY2(waitForOutput(logger, output, "2 of 2 inverters online", 60000), output.constData());
    logger.terminate();
    QVERIFY(logger.waitForFinished(20000));
    output += logger.readAllStandardOutput();
    QCOMPARE(logger.exitCode(), 0);

    const QString text = QString::fromUtf8(output);
    for (const QString &line :
         {QStringLiteral("COMPortFrm_baud_index \"99\" is not a baud index 0 to 5: 9600 baud used.\n"),
          QStringLiteral("INV_ADDR: \"abc\", \"999\" skipped (not bus addresses 1 to 255); monitoring 1,2.\n"),
          QStringLiteral("log.txt cannot be written ("),
          QStringLiteral("MAIL_ENCRYPTION \"ssl\" is not none, starttls or tls: no alarm mail is sent.\n"),
          QStringLiteral("MAIL_CA_FILE \"%1\" holds no certificate: only the system's CAs are trusted.\n")
              .arg(dir.file(QStringLiteral("ca.pem"))),
          QStringLiteral("Not answering yet: 2 (asleep or switched off); polled until they answer.\n")})
        QCOMPARE(text.count(line), 1);
    // Once awake, it has its row and its reading of the running interval.
    dir.openDatabase();
    const DbRows rows = db_query(QStringLiteral("SELECT sn_name FROM orva_monitor_log JOIN orva_inverter ON "
                                                "orva_inverter.id = inverter_id GROUP BY sn_name ORDER BY sn_name"));
    QCOMPARE(column(rows, "sn_name"), (QStringList{"LE44A0000001", "LE44A0000002"}));
}

void TestLogger::lineHealthSummaryAndFile()
{
    TempAppDir dir;
    LineSimulator sim;
    QProcess logger;
    startOnPlant(logger, sim, dir, kWeakPlant);
    QByteArray output;
    QVERIFY2(waitForOutput(logger, output, "cycle 2:"), output.constData());
    ::kill(pid_t(logger.processId()), SIGUSR1);
    QVERIFY2(waitForOutput(logger, output, "line health inverter 2"), output.constData());
    logger.terminate();
    QVERIFY(logger.waitForFinished(20000));
    output += logger.readAllStandardOutput();
    QCOMPARE(logger.exitCode(), 0);

    const QString text = QString::fromUtf8(output);
    QVERIFY2(QRegularExpression(QStringLiteral("\\ncycle 1: 2 of 2 inverters online, .*; weakest link: inverter 2 "
                                               "\\(LE44A0000002\\) at \\d+\\.\\d %\\n"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    QVERIFY(text.contains(QLatin1String("\nline health inverter 1 (LE44A0000001): link quality 100.0 % (")));
    const QRegularExpressionMatch weak =
        QRegularExpression(
            QStringLiteral("\\nline health inverter 2 \\(LE44A0000002\\): link quality [\\d.]+ % "
                           "\\(\\d+ of (\\d+) exchanges.*CRC errors (\\d+),.* 95 % within [\\d.]+ ms\\n"))
            .match(text);
    QVERIFY2(weak.hasMatch(), qPrintable(text));
    QVERIFY(weak.captured(2).toInt() > 0);

    // The file of the day: the hour's rows at the end (two hours' when the run crossed one).
    QFile file(dir.file(QStringLiteral("debug/line-health-%1.csv").arg(QDate::currentDate().toString("yyyyMMdd"))));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(rows.size() == 3 || rows.size() == 5, qPrintable(rows.join('\n')));
    qint64 exchanges = 0;
    for (const QString &row : rows.mid(1)) {
        if (row.section(QLatin1Char(','), 2, 2) == QLatin1String("2"))
            exchanges += row.section(QLatin1Char(','), 4, 4).toLongLong();
    }
    QVERIFY(exchanges >= weak.captured(1).toLongLong());
}

void TestLogger::refusesToStart_data()
{
    QTest::addColumn<QByteArray>("port");
    QTest::addColumn<QByteArray>("addresses");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no addresses") << QByteArray("COM7") << QByteArray() << QStringList()
                                  << QStringLiteral("No inverters to monitor: INV_ADDR in ") << 1;
    QTest::newRow("no port set") << QByteArray() << QByteArray("1") << QStringList()
                                 << QStringLiteral("No serial port is set: COMPortFrm_com_name in ") << 1;
    QTest::newRow("no such port") << QByteArray("COM96") << QByteArray("1") << QStringList()
                                  << QStringLiteral("Error: COM96 is not available!") << 2;
    QTest::newRow("port that may not be opened")
        << QByteArray("COM9") << QByteArray("1") << QStringList()
        << QStringLiteral("is there, but this user may not open it. Add the user to the dialout group") << 2;
    QTest::newRow("cycles not a number") << QByteArray("COM7") << QByteArray("1") << QStringList{"--cycles", "abc"}
                                         << QStringLiteral("--cycles \"abc\" is not a number of cycles.") << 2;
}

void TestLogger::refusesToStart()
{
    QFETCH(QByteArray, port);
    QFETCH(QByteArray, addresses);
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QFETCH(int, exitCode);
    TempAppDir dir;
    writeSettings(dir, port, addresses);
    // COM9 is there, but nobody may open it.
    dir.write(QStringLiteral("ports/COM9"), "");
    QVERIFY(QFile::setPermissions(dir.file(QStringLiteral("ports/COM9")), QFileDevice::Permissions()));
    PermissionsEnforcedProcess logger;
    logger.setProcessChannelMode(QProcess::MergedChannels);
    startLogger(logger, dir, arguments);
    QVERIFY(logger.waitForFinished(20000));
    const QString output = QString::fromUtf8(logger.readAll());
    QVERIFY2(output.contains(message), qPrintable(output));
    QCOMPARE(logger.exitCode(), exitCode);
}
