#include "tst_scenario.h"

#include "linesimulator.h"
#include "scenario.h"

#include <QDir>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

namespace {

std::optional<Scenario> parse(const QByteArray &json, QStringList *errors)
{
    return Scenario::fromJson(QJsonDocument::fromJson(json).object(), errors);
}

} // namespace

void TestScenario::rejectsBadFields_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error");
    QTest::newRow("unknown field") << QByteArray(R"({"inverters":[{"address":1,"serial":"A","colour":1}]})")
                                   << "inverters[0].colour: unknown field";
    QTest::newRow("address") << QByteArray(R"({"inverters":[{"address":256,"serial":"A"}]})")
                             << "inverters[0].address: must be between 1 and 255";
    QTest::newRow("no serial") << QByteArray(R"({"inverters":[{"address":1}]})") << "inverters[0].serial: is missing";
    QTest::newRow("long serial") << QByteArray(R"({"inverters":[{"address":1,"serial":"0123456789ABCDEFG"}]})")
                                 << "inverters[0].serial: has more than 16 characters";
    QTest::newRow("fault type") << QByteArray(R"({"inverters":[{"address":1,"serial":"A","faults":[{"type":"x"}]}]})")
                                << "inverters[0].faults[0].type: must be one of silent, slow";
    QTest::newRow("fault parameter")
        << QByteArray(R"({"inverters":[{"address":1,"serial":"A","faults":[{"type":"silent","after":2}]}]})")
        << "inverters[0].faults[0].after: unknown field";
    QTest::newRow("share of replies")
        << QByteArray(R"({"inverters":[{"address":1,"serial":"A","faults":[{"type":"short","probability":1.5},
                                                                        {"type":"echo","probability":0.5}]}]})")
        << "inverters[0].faults[0].probability: must be between 0 and 1\n"
           "inverters[0].faults[1].probability: unknown field";
    QTest::newRow("sensor fault")
        << QByteArray(R"({"sensors":[{"slave":1,"register":1,"value":1,"faults":[{"type":"echo"}]}]})")
        << "sensors[0].faults[0].type: must be one of silent, slow, short, garbled, wrongCrc";
    QTest::newRow("repeat without end")
        << QByteArray(R"({"inverters":[{"address":1,"serial":"A","schedule":[{"every":60,"set":{"err1":1}}]}]})")
        << "inverters[0].schedule[0].every: needs a \"to\"";
    QTest::newRow("register key") << QByteArray(R"({"inverters":[{"address":1,"serial":"A","registers":{"x1":1}}]})")
                                  << "inverters[0].registers.x1: is not a register number";
    QTest::newRow("time of day") << QByteArray(
                                        R"({"inverters":[{"address":1,"serial":"A","live":{"sunrise":"25:00"}}]})")
                                 << "inverters[0].live.sunrise: must be a time of day";
    QTest::newRow("sensor orders") << QByteArray(R"({"sensors":[{"slave":3,"register":1,"value":1},
                                                   {"slave":3,"register":2,"value":1,"crcOrder":"highFirst"}]})")
                                   << "sensors[1]: slave 3 has other byte or CRC orders in sensors[0]";
}

void TestScenario::rejectsBadFields()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QStringList errors;
    QVERIFY(!parse(json, &errors));
    QVERIFY2(errors.join('\n').contains(error), qPrintable(errors.join('\n')));
}

void TestScenario::syntaxErrorNamesLineAndColumn()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{\n  \"inverters\": [\n    {\"address\": 1,, \"serial\": \"A\"}\n  ]\n}\n");
    file.close();
    QStringList errors;
    QVERIFY(!Scenario::load(path, &errors));
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().startsWith(path + ":3:"), qPrintable(errors.first()));

    LineSimulator simulator;
    QString error;
    QVERIFY(!simulator.startFile(path, &error));
    QVERIFY(!simulator.isRunning());
    QCOMPARE(error, errors.first());
}

void TestScenario::shippedScenariosLoad()
{
    const QDir dir(QStringLiteral(LUMORA_SOURCE_DIR "/tools/sim/scenarios"));
    const QStringList files = dir.entryList({"*.json"}, QDir::Files);
    QVERIFY(files.contains("mixed-plant.json") && files.contains("plant-32.json"));
    for (const QString &name : files) {
        QStringList errors;
        QVERIFY2(Scenario::load(dir.filePath(name), &errors), qPrintable(errors.join('\n')));
    }
    const std::optional<Scenario> mixed = Scenario::load(dir.filePath("mixed-plant.json"), nullptr);
    QSet<int> versions;
    for (const InverterSpec &inverter : mixed->inverters)
        versions << (inverter.model == 460 ? 460 : inverter.versionw3);
    QCOMPARE(versions.size(), 4);
    QCOMPARE(mixed->sensors.size(), 2);
}

// A fixed clock makes the daylight curve, the energy counter and the
// schedules exact: sunrise 06:00, sunset 20:00, so the peak is at 13:00.
void TestScenario::liveValuesFollowTheDay()
{
    const QByteArray json = R"({"inverters":[
        {"address":1,"serial":"E","live":{"peakPower":4000,"energy":1000,"efficiency":0.8},
         "schedule":[{"from":60,"to":120,"set":{"err1":8}}]},
        {"address":2,"serial":"T","versionw3":303,"live":{"peakPower":9000}},
        {"address":3,"serial":"B","model":460,"live":{"peakPower":3000}}]})";
    const QDateTime noon(QDate(2026, 6, 1), QTime(13, 0));
    LineSimulator simulator;
    simulator.setFixedTime(noon);
    QVERIFY(simulator.start(QJsonDocument::fromJson(json).object()));

    // Two-string EUR: AC power 193, strings A and C, DC power 247 for the efficiency.
    QVector<quint16> eur = simulator.readRegisters(0, 181, 89);
    auto w = [&](const QVector<quint16> &block, int reg) { return int(block.at(reg - 181)); };
    QCOMPARE(w(eur, 181), 50);
    QCOMPARE(w(eur, 193), 4000);
    QCOMPARE(w(eur, 247), 5000);
    QCOMPARE(w(eur, 189) + w(eur, 191), 5000);
    QCOMPARE(w(eur, 190), 0);
    QCOMPARE(w(eur, 196) * 10000 + w(eur, 197), 10000);

    const QVector<quint16> usa1 = simulator.readRegisters(1, 181, 89);
    QCOMPARE(w(usa1, 194) + w(usa1, 197) + w(usa1, 200), 9000);
    QVERIFY(w(usa1, 190) > 0 && w(usa1, 191) > 0);
    const QVector<quint16> three = simulator.readRegisters(2, 181, 89);
    QVERIFY(w(three, 189) > 0 && w(three, 190) > 0 && w(three, 191) > 0);

    simulator.setFixedTime(noon.addSecs(90));
    eur = simulator.readRegisters(0, 181, 5);
    QCOMPARE(w(eur, 182), 8);
    QCOMPARE(w(eur, 181), 60);

    // From 13:00 to the night the day's second half is produced: 4000 W x 14 h / 4 = 14.0 kWh.
    simulator.setFixedTime(QDateTime(noon.date(), QTime(23, 0)));
    eur = simulator.readRegisters(0, 181, 89);
    QCOMPARE(w(eur, 193), 0);
    QCOMPARE(w(eur, 181), 30);
    QCOMPARE(w(eur, 182), 0);
    QCOMPARE(w(eur, 196) * 10000 + w(eur, 197), 10140);
}
