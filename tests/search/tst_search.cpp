// The search against the line simulator over a pseudo-terminal.

#include "app/programstate.h"
#include "linesimulator.h"
#include "link/headlesssearch.h"
#include "link/qburnsearch.h"
#include "link/searchresult.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kPort = 7;
constexpr int kBaud = 38400;
constexpr int kSearchTimeoutMs = 240000;

QJsonObject inverter(int address, int model, int serialHigh, int serialLow, const QString &fault = QString())
{
    QJsonObject spec{{"address", address},
                     {"model", model},
                     {"serial", QStringLiteral("SN%1-%2").arg(serialHigh).arg(serialLow)},
                     {"serialNumber", QJsonArray{serialHigh, serialLow}}};
    if (!fault.isEmpty())
        spec.insert("faults", QJsonArray{QJsonObject{{"type", fault}}});
    return spec;
}

QString serialOf(int serialHigh, int serialLow)
{
    return QStringLiteral("SN%1-%2").arg(serialHigh).arg(serialLow);
}

QString scenarioFile(const char *name)
{
    return QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/") + QLatin1String(name);
}

// The requests of one function the simulator heard, as "address" or, for
// function 8, "address>new address".
QStringList heard(const LineSimulator &sim, int function)
{
    QStringList list;
    for (const HeardRequest &request : sim.requests()) {
        if (request.kind != HeardRequest::Kind::Inverter || quint8(request.bytes.at(2)) != function)
            continue;
        list << (function == 8
                     ? QStringLiteral("%1>%2").arg(quint8(request.bytes.at(1))).arg(quint8(request.bytes.at(9)))
                     : QString::number(quint8(request.bytes.at(1))));
    }
    return list;
}

// A simulated line linked as COM7 in a fresh application directory, with the
// line settings of the search.
struct Line
{
    TempAppDir dir;
    LineSimulator sim;

    bool start(const QJsonArray &inverters)
    {
        return start([&](QString *error) { return sim.start(QJsonObject{{"inverters", inverters}}, error); });
    }
    bool startFile(const QString &path)
    {
        return start([&](QString *error) { return sim.startFile(path, error); });
    }
    template<typename Starter>
    bool start(Starter starter)
    {
        ProgramState::instance().setLineSettings(kPort, kBaud);
        QString error;
        if (!sim.link(dir.file(QStringLiteral("ports/COM%1").arg(kPort))) || !starter(&error)) {
            qWarning() << "simulator:" << error;
            return false;
        }
        return true;
    }
    QString log() const { return QString::fromUtf8(dir.read(QStringLiteral("log.txt"))); }
};

// Runs one search to its end and keeps its signals in the order they came.
struct SearchRun
{
    QStringList events; // "finding count address serial", "progress a", "end"

    explicit SearchRun(QBurnSearch &search, bool resolve)
        : m_search(search)
    {
        search.setResolveCollisions(resolve);
        QObject::connect(&search, &QBurnSearch::send_finding, &m_context, [this](int count, int address, QString sn) {
            events << QStringLiteral("finding %1 %2 %3").arg(count).arg(address).arg(sn);
        });
        QObject::connect(&search, &QBurnSearch::progress, &m_context,
                         [this](int address) { events << QStringLiteral("progress %1").arg(address); });
        QObject::connect(&search, &QBurnSearch::search_end, &m_context, [this] { events << QStringLiteral("end"); });
    }

    bool run()
    {
        m_search.start();
        const bool ended = m_search.wait(QDeadlineTimer(kSearchTimeoutMs));
        QCoreApplication::processEvents(); // the queued signals
        return ended && !events.isEmpty() && events.last() == QLatin1String("end");
    }

    QStringList findings() const { return events.filter(QRegularExpression(QStringLiteral("^finding "))); }
    QStringList progress() const { return events.filter(QRegularExpression(QStringLiteral("^progress "))); }

private:
    QBurnSearch &m_search;
    QObject m_context;
};

QStringList progressUpTo(int last)
{
    QStringList list;
    for (int address = 1; address <= last; ++address)
        list << QStringLiteral("progress %1").arg(address);
    return list << QStringLiteral("progress 255");
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private slots:
    void cleanInvertersAreReportedInOrder();
    void collisionsResolvedWithYes();
    void collisionsOnlyLoggedWithNo();
    void fifteenCollisionEntriesAreLeftAlone();
    void faultyInvertersAreSkippedAndLogged();
    void stopEndsTheScanEarly();
    void portThatCannotOpenEndsAtOnce();
    void headlessSearchPrintsAndSaves();
    void headlessSearchWithoutUsablePort();
};

void TestSearch::cleanInvertersAreReportedInOrder()
{
    Line line;
    QVERIFY(line.startFile(scenarioFile("search-clean.json")));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    QVERIFY(run.run());

    QStringList expected;
    for (int address = 1; address <= 255; ++address) {
        if (address == 1)
            expected << QStringLiteral("finding 1 1 LES000101111");
        if (address == 2)
            expected << QStringLiteral("finding 2 2 LES000102222");
        if (address == 5)
            expected << QStringLiteral("finding 3 5 LUS000103333");
        expected << QStringLiteral("progress %1").arg(address);
    }
    expected << QStringLiteral("progress 255") << QStringLiteral("end");
    QCOMPARE(run.events, expected);
    QCOMPARE(search.found(), QList<int>({1, 2, 5}));
    QVERIFY(search.portOpened());
    QVERIFY(!line.log().contains(QLatin1String("[COLLISION]")));
    QVERIFY(heard(line.sim, 9).isEmpty());
    QVERIFY(ProgramState::instance().sharedPort().is_closed());
}

// Pairs at 1, 7 and 20, a clean inverter at 8 inside the collision set {0,1,2,6,7,8,19,20,21}.
void TestSearch::collisionsResolvedWithYes()
{
    Line line;
    QVERIFY(line.start(QJsonArray{inverter(1, 440, 301, 1), inverter(1, 460, 302, 2), inverter(7, 440, 307, 1),
                                  inverter(7, 460, 307, 2), inverter(8, 440, 308, 1), inverter(20, 500, 320, 1),
                                  inverter(20, 440, 320, 2)}));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    QVERIFY(run.run());

    // Each gets the lowest address that is neither used nor in the collision set.
    QCOMPARE(run.findings(),
             QStringList(
                 {QStringLiteral("finding 1 8 ") + serialOf(308, 1), QStringLiteral("finding 2 3 ") + serialOf(301, 1),
                  QStringLiteral("finding 3 4 ") + serialOf(302, 2), QStringLiteral("finding 4 5 ") + serialOf(307, 1),
                  QStringLiteral("finding 5 9 ") + serialOf(307, 2), QStringLiteral("finding 6 10 ") + serialOf(320, 1),
                  QStringLiteral("finding 7 11 ") + serialOf(320, 2)}));
    QCOMPARE(run.progress(), progressUpTo(255));
    QCOMPARE(search.found(), QList<int>({8, 3, 4, 5, 9, 10, 11}));
    QList<int> addresses;
    for (int i = 0; i < line.sim.inverterCount(); ++i)
        addresses << line.sim.address(i);
    QCOMPARE(addresses, QList<int>({3, 4, 5, 9, 8, 10, 11}));

    // Address 0 is never queried; the clean inverter at 8 answers its identity query but is left alone.
    QStringList queried;
    for (int address : {1, 2, 6, 7, 8, 19, 20, 21}) {
        for (int pass = 0; pass < 5; ++pass)
            queried << QString::number(address);
    }
    QCOMPARE(heard(line.sim, 9), queried);
    QCOMPARE(heard(line.sim, 8), QStringList({"1>3", "1>4", "7>5", "7>9", "20>10", "20>11"}));
    const QString log = line.log();
    for (int address : {1, 7, 20})
        QVERIFY(log.contains(QStringLiteral("[COLLISION] addr: %1\n").arg(address)));
    QVERIFY(log.contains(QLatin1String("[COLLISION] size of addr:9 \n")));

    QVERIFY(save_search_result(search.found()));
    QCOMPARE(QSettings(line.dir.file("app.ini"), QSettings::IniFormat).value("INV_ADDR").toString(),
             QStringLiteral("8,3,4,5,9,10,11"));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({3, 4, 5, 8, 9, 10, 11}));

    // A second search finds every inverter cleanly at its own address.
    line.sim.clearRequests();
    QBurnSearch again(kPort, 50, kBaud);
    SearchRun second(again, true);
    QVERIFY(second.run());
    QCOMPARE(again.found(), QList<int>({3, 4, 5, 8, 9, 10, 11}));
    QCOMPARE(line.log().count(QLatin1String("[COLLISION] addr:")), 3);
    QVERIFY(heard(line.sim, 9).isEmpty());
}

void TestSearch::collisionsOnlyLoggedWithNo()
{
    Line line;
    QVERIFY(line.start(QJsonArray{inverter(1, 440, 301, 1), inverter(1, 460, 302, 2), inverter(5, 440, 305, 1),
                                  inverter(7, 440, 307, 1), inverter(7, 460, 307, 2)}));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    // The window asks before the search starts; the answer No reaches the search.
    ScriptedPrompter prompter;
    prompter.setAnswer(false);
    QVERIFY(!search.askToResolveCollisions());
    QCOMPARE(prompter.questions(), QStringList({"Confirm|Auto change the duplicate Inverter ID?"}));
    QVERIFY(run.run());

    QCOMPARE(run.findings(), QStringList({QStringLiteral("finding 1 5 ") + serialOf(305, 1)}));
    QCOMPARE(search.found(), QList<int>({5}));
    const QString log = line.log();
    QVERIFY(log.contains(QLatin1String("[COLLISION] addr: 1\n")));
    QVERIFY(log.contains(QLatin1String("[COLLISION] addr: 7\n")));
    QVERIFY(!log.contains(QLatin1String("size of addr")));
    QVERIFY(heard(line.sim, 9).isEmpty());
    QVERIFY(heard(line.sim, 8).isEmpty());
}

void TestSearch::fifteenCollisionEntriesAreLeftAlone()
{
    Line line;
    QVERIFY(line.startFile(scenarioFile("search-many-collisions.json")));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    QVERIFY(run.run());

    QCOMPARE(line.log().count(QLatin1String("[COLLISION] addr:")), 5);
    QVERIFY(!line.log().contains(QLatin1String("size of addr")));
    QVERIFY(heard(line.sim, 9).isEmpty());
    QVERIFY(search.found().isEmpty());
}

// Pairs at 7 (one echoes function 8 wrongly), 10 (one answers identity
// queries with noise) and 13 (one gives no serial text at its new address).
void TestSearch::faultyInvertersAreSkippedAndLogged()
{
    Line line;
    QVERIFY(line.start(QJsonArray{inverter(1, 440, 401, 1), inverter(7, 440, 407, 1),
                                  inverter(7, 460, 407, 2, "wrongBurnEcho"), inverter(10, 440, 410, 1),
                                  inverter(10, 460, 410, 2, "identityNoise"), inverter(13, 440, 413, 1),
                                  inverter(13, 460, 413, 2, "noSerialAfterBurn")}));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    QVERIFY(run.run());

    // The address offered in the refused assignment (3) is not offered to anyone else.
    QCOMPARE(search.found(), QList<int>({1, 2, 4, 5}));
    QCOMPARE(run.findings().size(), 4);
    QList<int> addresses;
    for (int i = 0; i < line.sim.inverterCount(); ++i)
        addresses << line.sim.address(i);
    QCOMPARE(addresses, QList<int>({1, 2, 7, 4, 10, 5, 15}));
    // One assignment each: a refused inverter is never offered a second address.
    QCOMPARE(heard(line.sim, 8), QStringList({"7>2", "7>3", "10>4", "13>5", "13>15"}));

    const QString log = line.log();
    QVERIFY(log.contains(QLatin1String("[COLLISION] change addr fail, addr: 7 new addr: 3\n")));
    QCOMPARE(log.count(QLatin1String("[COLLISION] bad identity reply, addr: 10\n")), 5);
    QVERIFY(log.contains(QLatin1String("[COLLISION] no serial text, new addr: 15\n")));
}

void TestSearch::stopEndsTheScanEarly()
{
    Line line;
    QVERIFY(line.start(QJsonArray{inverter(3, 440, 501, 1), inverter(40, 440, 540, 1), inverter(41, 440, 541, 1),
                                  inverter(90, 440, 590, 1)}));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    connect(
        &search, &QBurnSearch::progress, &search,
        [&search](int address) {
            if (address == 40)
                search.stop();
        },
        Qt::DirectConnection);
    QVERIFY(run.run());

    QCOMPARE(run.progress(), progressUpTo(40));
    QCOMPARE(search.found(), QList<int>({3, 40}));
    for (const QString &address : heard(line.sim, 3))
        QVERIFY(address.toInt() <= 40);
}

void TestSearch::portThatCannotOpenEndsAtOnce()
{
    TempAppDir dir;
    ProgramState::instance().setLineSettings(kPort, kBaud);
    QVERIFY(QDir(dir.path()).mkpath("ports") && QFile::link(dir.file("nowhere"), dir.file("ports/COM7")));
    QBurnSearch search(kPort, 50, kBaud);
    SearchRun run(search, true);
    QVERIFY(run.run());
    QCOMPARE(run.events, QStringList({"end"}));
    QVERIFY(!search.portOpened());
    QVERIFY(search.found().isEmpty());
}

void TestSearch::headlessSearchPrintsAndSaves()
{
    Line line;
    QVERIFY(line.startFile(scenarioFile("search-clean.json")));
    ProgramState::instance().setLineSettings(0, 0);
    line.dir.write("app.ini", "[General]\nCOMPortFrm_com_name=COM7\nCOMPortFrm_baud_index=5\nINV_ADDR=9\n");

    QString output;
    QTextStream out(&output);
    HeadlessSearch headless(false, out);
    // Stopped well after the last inverter (5): what was found is saved.
    QTimer::singleShot(3000, [&headless] { headless.stop(); });
    QCOMPARE(headless.run(), int(HeadlessSearch::Success));

    QVERIFY2(output.contains("1. address 1, serial number LES000101111\n"
                             "2. address 2, serial number LES000102222\n"
                             "3. address 5, serial number LUS000103333\n"
                             "3 inverters found.\n"),
             qPrintable(output));
    QCOMPARE(ProgramState::instance().baudRate(), kBaud);
    QCOMPARE(QSettings(line.dir.file("app.ini"), QSettings::IniFormat).value("INV_ADDR").toString(),
             QStringLiteral("1,2,5"));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({1, 2, 5}));
}

void TestSearch::headlessSearchWithoutUsablePort()
{
    TempAppDir dir;
    QString output;
    QTextStream out(&output);
    dir.write("app.ini", "[General]\nCOMPortFrm_com_name=\nINV_ADDR=9\n");
    QCOMPARE(HeadlessSearch(false, out).run(), int(HeadlessSearch::NoPortSet));

    // COM8 leads nowhere: the saved inverter list stays as it was.
    QVERIFY(QDir(dir.path()).mkpath("ports") && QFile::link(dir.file("nowhere"), dir.file("ports/COM8")));
    dir.write("app.ini", "[General]\nCOMPortFrm_com_name=COM8\nINV_ADDR=9\n");
    QCOMPARE(HeadlessSearch(false, out).run(), int(HeadlessSearch::PortUnavailable));
    QCOMPARE(QSettings(dir.file("app.ini"), QSettings::IniFormat).value("INV_ADDR").toString(), QStringLiteral("9"));
    QVERIFY(ProgramState::instance().addressTable().isEmpty());
}

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
