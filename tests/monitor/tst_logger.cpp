#include "tst_logger.h"

#include "db/database.h"
#include "linesimulator.h"
#include "support/tempappdir.h"

#include <QJsonDocument>
#include <QProcess>
#include <QtTest>

#include <atomic>
#include <csignal>

namespace {

const QByteArray kPlant = R"({"inverters":[
  {"address":1,"serial":"LE44A0000001","registers":{"193":2000,"196":18,"197":3426,"247":2100}},
  {"address":2,"serial":"LE44A0000002","registers":{"193":3000,"196":10,"197":0,"247":3100}}]})";

void writeSettings(const TempAppDir &dir, const QByteArray &port, const QByteArray &addresses)
{
    dir.installCleanDatabase();
    QByteArray ini = "[General]\nLANG=0\nCOMPortFrm_com_name=" + port + "\nCOMPortFrm_baud_index=5\n";
    if (!addresses.isEmpty())
        ini += "INV_ADDR=\"" + addresses + "\"\n";
    dir.write(QStringLiteral("app.ini"), ini);
}

void startLogger(QProcess &logger, const TempAppDir &dir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMORA_HOME"), dir.path());
    logger.setProcessEnvironment(environment);
    logger.start(QStringLiteral(LUMORA_LOGGER), QStringList());
    QVERIFY(logger.waitForStarted());
}

// Reads the logger's output until it holds `text`.
bool waitForOutput(QProcess &logger, QByteArray &output, const QByteArray &text)
{
    while (!output.contains(text)) {
        if (!logger.waitForReadyRead(20000))
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
    writeSettings(dir, "COM7", "1,2");
    LineSimulator sim;
    QVERIFY(sim.start(QJsonDocument::fromJson(kPlant).object()));
    QVERIFY(sim.link(dir.file(QStringLiteral("ports/COM7"))));
    QProcess logger;
    startLogger(logger, dir);
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

void TestLogger::refusesToStart_data()
{
    QTest::addColumn<QByteArray>("port");
    QTest::addColumn<QByteArray>("addresses");
    QTest::addColumn<QString>("message");
    QTest::newRow("no addresses") << QByteArray("COM7") << QByteArray()
                                  << QStringLiteral("No inverters to monitor: INV_ADDR in ");
    QTest::newRow("no such port") << QByteArray("COM96") << QByteArray("1")
                                  << QStringLiteral("Error: COM96 is not available!");
}

void TestLogger::refusesToStart()
{
    QFETCH(QByteArray, port);
    QFETCH(QByteArray, addresses);
    QFETCH(QString, message);
    TempAppDir dir;
    writeSettings(dir, port, addresses);
    QProcess logger;
    logger.setProcessChannelMode(QProcess::MergedChannels);
    startLogger(logger, dir);
    QVERIFY(logger.waitForFinished(20000));
    const QString output = QString::fromUtf8(logger.readAll());
    QVERIFY2(output.contains(message), qPrintable(output));
    QVERIFY(logger.exitCode() != 0);
}
