// The search: its collision logic on a line held in memory, and one full scan
// over the line simulator's pseudo-terminal.

#include "headlesssearch.h"
#include "lineframes.h"
#include "linesimulator.h"
#include "loggerexit.h"
#include "monitor/programstate.h"
#include "monitor/qburnsearch.h"
#include "monitor/searchresult.h"
#include "settingsreport.h"
#include "support/golden.h"
#include "support/memoryline.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int kPort = 7;
constexpr int kBaud = 38400;

// An inverter whose serial text is "SN<high>-<low>".
QJsonObject inverter(int address, int model, int serialHigh, int serialLow, const QString &fault = QString())
{
    QJsonObject json{{"address", address},
                     {"model", model},
                     {"serial", QStringLiteral("SN%1-%2").arg(serialHigh).arg(serialLow)},
                     {"serialNumber", QJsonArray{serialHigh, serialLow}}};
    if (!fault.isEmpty())
        json.insert("faults", QJsonArray{QJsonObject{{"type", fault}}});
    return json;
}

QJsonObject shippedScenario(const char *name)
{
    QFile file(QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

Scenario plant(const QJsonObject &json)
{
    QStringList errors;
    const std::optional<Scenario> scenario = Scenario::fromJson(json, &errors);
    if (!scenario)
        qWarning() << "scenario:" << errors;
    return scenario.value_or(Scenario());
}

Scenario plant(const QJsonArray &inverters)
{
    return plant(QJsonObject{{"inverters", inverters}});
}

QString savedInverterList(const TempAppDir &dir)
{
    return QSettings(dir.file("app.ini"), QSettings::IniFormat).value("INV_ADDR").toString();
}

QString log(const TempAppDir &dir)
{
    return QString::fromUtf8(dir.read("log.txt"));
}

// The requests of one function, as "address" (function 9) or "address>new address" (function 8).
QStringList heard(const MemoryLine &line, int function)
{
    QStringList list;
    for (const QByteArray &bytes : line.heard()) {
        if (quint8(bytes.at(2)) == function)
            list << (function == 8 ? QStringLiteral("%1>%2").arg(quint8(bytes.at(1))).arg(quint8(bytes.at(9)))
                                   : QString::number(quint8(bytes.at(1))));
    }
    return list;
}

// One search on a line, with its signals in the order they came.
struct SearchRun
{
    QBurnSearch search;
    QStringList events; // "finding <count> <address> <serial>", "progress <address>", "end"

    SearchRun(SerialLine &line, bool resolve)
        : search(line, kPort, 50, kBaud)
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
        search.start();
        const bool ended = search.wait(QDeadlineTimer(60000));
        QCoreApplication::processEvents(); // the queued signals
        return ended && events.value(events.size() - 1) == QLatin1String("end");
    }
    QStringList findings() const { return events.filter(QRegularExpression("^finding ")); }
    QStringList progress() const { return events.filter(QRegularExpression("^progress ")); }

private:
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
    void collisionLimits();
    void faultyInvertersAreSkippedAndLogged();
    void stopEndsTheScanEarly();
    void unusablePort();
    void fullScanOverThePseudoTerminal();
    void failedSearchKeepsTheList();
};

void TestSearch::cleanInvertersAreReportedInOrder()
{
    TempAppDir dir;
    MemoryLine line(plant(shippedScenario("search-clean.json")));
    SearchRun run(line, true);
    QVERIFY(run.run());

    const QMap<int, QString> findings{
        {1, "finding 1 1 LES000101111"}, {2, "finding 2 2 LES000102222"}, {5, "finding 3 5 LUS000103333"}};
    QStringList expected;
    for (int address = 1; address <= 255; ++address)
        expected << findings.value(address) << QStringLiteral("progress %1").arg(address);
    expected.removeAll(QString());
    expected << "progress 255"
             << "end";
    QCOMPARE(run.events, expected);
    QCOMPARE(run.search.found(), QList<int>({1, 2, 5}));
    QVERIFY(!log(dir).contains("[COLLISION]"));
    QVERIFY(heard(line, 9).isEmpty());
    QVERIFY(line.is_closed());
}

// Pairs at 1, 7 and 20, a clean inverter at 8 inside the collision set {0,1,2,6,7,8,19,20,21}.
// One of the pair at 20 is a USA1 inverter, which keeps its serial text at its own registers.
void TestSearch::collisionsResolvedWithYes()
{
    TempAppDir dir;
    QJsonObject usa1 = inverter(20, 500, 320, 1);
    usa1.insert("versionw3", 303);
    MemoryLine line(
        plant(QJsonArray{inverter(1, 440, 301, 1), inverter(1, 460, 302, 2), inverter(7, 440, 307, 1),
                         inverter(7, 460, 307, 2), inverter(8, 440, 308, 1), usa1, inverter(20, 440, 320, 2)}));
    SearchRun run(line, true);
    QVERIFY(run.run());

    // Each gets the lowest address that is neither used nor in the collision set.
    QCOMPARE(run.findings(),
             QStringList({"finding 1 8 SN308-1", "finding 2 3 SN301-1", "finding 3 4 SN302-2", "finding 4 5 SN307-1",
                          "finding 5 9 SN307-2", "finding 6 10 SN320-1", "finding 7 11 SN320-2"}));
    QCOMPARE(run.progress(), progressUpTo(255));
    QCOMPARE(run.search.found(), QList<int>({8, 3, 4, 5, 9, 10, 11}));
    QCOMPARE(line.addresses(), QList<int>({3, 4, 5, 9, 8, 10, 11}));

    // What the resolution sends, in order: five identity queries at every entry but 0 (the clean
    // inverter at 8 answers them and is left alone), each assignment with its follow-up reads.
    QStringList resolution;
    for (const QByteArray &request : line.heard()) {
        if (!resolution.isEmpty() || quint8(request.at(2)) == 9)
            resolution << lineframes::hex(request) + "  " + lineframes::describeInverterRequest(request);
    }
    COMPARE_GOLDEN("search/collision-resolution.txt", resolution.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    const QString text = log(dir);
    QVERIFY(text.contains("[COLLISION] addr: 1\n") && text.contains("[COLLISION] addr: 7\n") &&
            text.contains("[COLLISION] addr: 20\n"));
    QVERIFY(text.contains("[COLLISION] size of addr:9 \n"));

    QVERIFY(save_search_result(run.search.found()));
    QCOMPARE(savedInverterList(dir), QStringLiteral("8,3,4,5,9,10,11"));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({3, 4, 5, 8, 9, 10, 11}));

    // A second search finds every inverter cleanly at its own address.
    line.clearHeard();
    SearchRun second(line, true);
    QVERIFY(second.run());
    QCOMPARE(second.search.found(), QList<int>({3, 4, 5, 8, 9, 10, 11}));
    QCOMPARE(log(dir).count("[COLLISION] addr:"), 3);
    QVERIFY(heard(line, 9).isEmpty());
}

void TestSearch::collisionsOnlyLoggedWithNo()
{
    TempAppDir dir;
    MemoryLine line(plant(QJsonArray{inverter(1, 440, 301, 1), inverter(1, 460, 302, 2), inverter(5, 440, 305, 1),
                                     inverter(7, 440, 307, 1), inverter(7, 460, 307, 2)}));
    SearchRun run(line, true);
    // The window asks before the search starts; the answer No reaches the search.
    ScriptedPrompter prompter;
    prompter.setAnswer(false);
    QVERIFY(!run.search.askToResolveCollisions(prompter));
    QCOMPARE(prompter.questions(), QStringList({"Confirm|Auto change the duplicate Inverter ID?"}));
    QVERIFY(run.run());

    QCOMPARE(run.findings(), QStringList({"finding 1 5 SN305-1"}));
    QCOMPARE(run.search.found(), QList<int>({5}));
    const QString text = log(dir);
    QVERIFY(text.contains("[COLLISION] addr: 1\n") && text.contains("[COLLISION] addr: 7\n"));
    QVERIFY(!text.contains("size of addr"));
    QVERIFY(heard(line, 9).isEmpty() && heard(line, 8).isEmpty());
}

// Fourteen collision entries are resolved, fifteen are left alone; the addresses
// run out at 250; 256 (after a collision at 255) is never queried.
void TestSearch::collisionLimits()
{
    {
        TempAppDir dir;
        QJsonArray pairs;
        for (int address : {1, 3, 10, 20, 30}) // {0 ... 4, 9 ... 11, 19 ... 21, 29 ... 31}
            pairs << inverter(address, 440, 600 + address, 1) << inverter(address, 460, 600 + address, 2);
        MemoryLine line(plant(pairs));
        SearchRun run(line, true);
        QVERIFY(run.run());
        QVERIFY(log(dir).contains("[COLLISION] size of addr:14 \n"));
        QCOMPARE(run.search.found().size(), 10);
    }
    {
        TempAppDir dir;
        MemoryLine line(plant(shippedScenario("search-many-collisions.json")));
        SearchRun run(line, true);
        QVERIFY(run.run());
        QCOMPARE(log(dir).count("[COLLISION] addr:"), 5);
        QVERIFY(!log(dir).contains("size of addr"));
        QVERIFY(heard(line, 9).isEmpty());
        QVERIFY(run.search.found().isEmpty());
    }
    TempAppDir dir;
    QJsonArray inverters;
    for (int address = 1; address <= 248; ++address)
        inverters << inverter(address, 440, 700, address);
    for (int serial = 1; serial <= 3; ++serial)
        inverters << inverter(252, 460, 752, serial);
    inverters << inverter(255, 440, 755, 1) << inverter(255, 460, 755, 2);
    MemoryLine line(plant(inverters));
    SearchRun run(line, true);
    QVERIFY(run.run());
    QCOMPARE(run.search.found().mid(248), QList<int>({249, 250}));
    QCOMPARE(heard(line, 8), QStringList({"252>249", "252>250"}));
    QStringList queried = heard(line, 9);
    queried.removeDuplicates();
    QCOMPARE(queried, QStringList({"251", "252", "253", "254", "255"}));
    const QString text = log(dir);
    QVERIFY(text.contains("[COLLISION] size of addr:6 \n"));
    QVERIFY(text.contains("[COLLISION] no free addr for addr: 252\n") &&
            text.contains("[COLLISION] no free addr for addr: 255\n"));
}

// Pairs at 7 (one echoes function 8 wrongly), 10 (one answers identity
// queries with noise) and 13 (one gives no serial text at its new address).
void TestSearch::faultyInvertersAreSkippedAndLogged()
{
    TempAppDir dir;
    MemoryLine line(
        plant(QJsonArray{inverter(1, 440, 401, 1), inverter(7, 440, 407, 1), inverter(7, 460, 407, 2, "wrongBurnEcho"),
                         inverter(10, 440, 410, 1), inverter(10, 460, 410, 2, "identityNoise"),
                         inverter(13, 440, 413, 1), inverter(13, 460, 413, 2, "noSerialAfterBurn")}));
    SearchRun run(line, true);
    QVERIFY(run.run());

    QCOMPARE(run.search.found(), QList<int>({1, 2, 4, 5}));
    QCOMPARE(run.findings().size(), 4);
    // One assignment each; the address of the refused one (3) is offered to nobody else.
    QCOMPARE(heard(line, 8), QStringList({"7>2", "7>3", "10>4", "13>5", "13>15"}));
    QCOMPARE(line.addresses(), QList<int>({1, 2, 7, 4, 10, 5, 15}));

    const QString text = log(dir);
    QVERIFY(text.contains("[COLLISION] change addr fail, addr: 7 new addr: 3\n"));
    QCOMPARE(text.count("[COLLISION] bad identity reply, addr: 10\n"), 5);
    QVERIFY(text.contains("[COLLISION] no serial text, new addr: 15\n"));
}

void TestSearch::stopEndsTheScanEarly()
{
    TempAppDir dir;
    MemoryLine line(plant(QJsonArray{inverter(3, 440, 501, 1), inverter(40, 440, 540, 1), inverter(41, 440, 541, 1)}));
    SearchRun run(line, true);
    QBurnSearch &search = run.search;
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
    QVERIFY(line.is_closed());
}

void TestSearch::unusablePort()
{
    TempAppDir dir;
    QVERIFY(QDir(dir.path()).mkpath("ports") && QFile::link(dir.file("nowhere"), dir.file("ports/COM7")));
    SearchRun run(ProgramState::instance().sharedPort(), true);
    QVERIFY(run.run());
    QCOMPARE(run.events, QStringList({"end"}));
    QVERIFY(!run.search.portOpened() && run.search.found().isEmpty());

    // Without a usable port the headless search keeps the saved inverter list.
    QString output;
    QTextStream out(&output);
    dir.write("app.ini", "[General]\nCOMPortFrm_com_name=\nINV_ADDR=9\n");
    SettingsReport report(out);
    QCOMPARE(HeadlessSearch(false, out).run(report), int(LoggerExit::NoPortSet));
    dir.write("app.ini", "[General]\nCOMPortFrm_com_name=COM7\nINV_ADDR=9\n");
    QCOMPARE(HeadlessSearch(false, out).run(report), int(LoggerExit::PortUnavailable));
    QCOMPARE(savedInverterList(dir), QStringLiteral("9"));
    QVERIFY(ProgramState::instance().addressTable().isEmpty());
}

// The headless search on the shared port, with real reply windows at 38400 baud.
void TestSearch::fullScanOverThePseudoTerminal()
{
    TempAppDir dir;
    LineSimulator sim;
    QString error;
    QVERIFY(sim.link(dir.file("ports/COM7")));
    QVERIFY2(sim.start(shippedScenario("search-clean.json"), &error), qPrintable(error));
    dir.write("app.ini", "[General]\nCOMPortFrm_com_name=COM7\nCOMPortFrm_baud_index=5\nINV_ADDR=9\n");

    QString output;
    QTextStream out(&output);
    SettingsReport report(out);
    QCOMPARE(HeadlessSearch(false, out).run(report), int(LoggerExit::Success));
    QCOMPARE(output, QStringLiteral("Searching COM7 at 38400 baud...\n"
                                    "1. address 1, serial number LES000101111\n"
                                    "2. address 2, serial number LES000102222\n"
                                    "3. address 5, serial number LUS000103333\n"
                                    "3 inverters found.\n"));
    QCOMPARE(savedInverterList(dir), QStringLiteral("1,2,5"));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({1, 2, 5}));

    // Every address was asked in order, at the search's rate (a found one is asked
    // the same again for its serial-number words); nothing collided.
    QList<int> scanned;
    for (const HeardRequest &request : sim.requests()) {
        QCOMPARE(request.baud, kBaud);
        const QByteArray &bytes = request.bytes;
        if (bytes.size() == 10 && bytes.at(2) == 3 && lineframes::wordAt(bytes, 3) == 23 &&
            lineframes::wordAt(bytes, 5) == 2 && (scanned.isEmpty() || scanned.last() != quint8(bytes.at(1))))
            scanned << quint8(bytes.at(1));
    }
    QList<int> all;
    for (int address = 1; address <= 255; ++address)
        all << address;
    QCOMPARE(scanned, all);
    QVERIFY(!log(dir).contains("[COLLISION]"));
}

void TestSearch::failedSearchKeepsTheList()
{
    // Nothing answers (the search is stopped early), or the line hangs up after the first inverters.
    for (const bool hangUp : {false, true}) {
        TempAppDir dir;
        auto sim = std::make_unique<LineSimulator>();
        QVERIFY(sim->link(dir.file("ports/COM7")));
        QVERIFY(sim->start(hangUp ? shippedScenario("search-clean.json") : QJsonObject{{"inverters", QJsonArray()}}));
        dir.write("app.ini", "[General]\nCOMPortFrm_com_name=COM7\nCOMPortFrm_baud_index=5\nINV_ADDR=\"1,2,5,9\"\n");
        QString output;
        QTextStream out(&output);
        HeadlessSearch headless(false, out);
        QObject scope; // no late shot at what this pass leaves behind
        QTimer::singleShot(1500, &scope, [&] { hangUp ? sim.reset() : headless.stop(); });
        SettingsReport report(out);
        QCOMPARE(headless.run(report), int(LoggerExit::ListKept));
        QVERIFY2(
            output.contains(hangUp ? "COM7 failed during the search (hang-up or I/O error): INV_ADDR \"1,2,5,9\" kept."
                                   : "Nothing answered: INV_ADDR \"1,2,5,9\" kept."),
            qPrintable(output));
        QCOMPARE(savedInverterList(dir), QStringLiteral("1,2,5,9"));
    }
}

QTEST_GUILESS_MAIN(TestSearch)
#include "tst_search.moc"
