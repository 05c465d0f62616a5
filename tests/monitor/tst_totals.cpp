#include "tst_totals.h"

#include "base/appsettings.h"
#include "db/database.h"
#include "monitor/qdisplaythread.h"
#include "support/tempappdir.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

void addInverter(const QString &sn, const QVariant &versionw3, int ac, int dc, double total, int online = 1)
{
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_inverter (sn_name, versionw3, ac_power, dc_power, total_power, "
                                    "efficiency, output_time, online) VALUES (?, ?, ?, ?, ?, 93.5, '12:30:05', ?)"),
                     {sn, versionw3, ac, dc, total, online}),
             0);
}

} // namespace

void TestTotals::computesTotals()
{
    TempAppDir dir;
    dir.openDatabase();
    QDisplayThread thread;
    thread.loadSetting();

    QDisplayThread::Pass pass = thread.compute();
    QCOMPARE(pass.alive, 0);
    QCOMPARE(pass.totals.efficiency, 0.0);
    QCOMPARE(pass.totals.acPower, 0.0);

    addInverter(QStringLiteral("A"), 0, 4000, 5000, 100.5);
    addInverter(QStringLiteral("B"), 303, 3000, 0, 20.0);
    addInverter(QStringLiteral("C"), 3, 9999, 9999, 999.0, 0);            // offline: not counted
    addInverter(QStringLiteral("D"), QStringLiteral("x"), 500, 500, 5.0); // unreadable row: counted alive only
    pass = thread.compute();
    QCOMPARE(pass.alive, 3);
    QCOMPARE(pass.totals.acPower, 7000.0);
    QCOMPARE(pass.totals.dcPower, 5000.0);
    QCOMPARE(pass.totals.efficiency, 140.0); // no cap on the plant's figure
    QCOMPARE(pass.totals.totalPower, 120.5);
    QCOMPARE(pass.totals.outputTime, 0.0);
}

void TestTotals::textsAndCurrency_data()
{
    QTest::addColumn<double>("symbol");
    QTest::addColumn<QString>("earning");
    QTest::newRow("dollar") << 0.0 << QStringLiteral("370.35 $");
    QTest::newRow("euro") << 1.0 << QStringLiteral("370.35 \u20AC");
    QTest::newRow("yen") << 2.0 << QStringLiteral("370.35 \uFFE5");
    QTest::newRow("won") << 4.0 << QStringLiteral("370.35 \u20A9");
    QTest::newRow("out of range") << 7.0 << QStringLiteral("370.35 ");
    QTest::newRow("beyond an int") << 1e12 << QStringLiteral("370.35 ");
    QTest::newRow("negative") << -1.0 << QStringLiteral("370.35 ");
}

void TestTotals::textsAndCurrency()
{
    QFETCH(double, symbol);
    QFETCH(QString, earning);
    TempAppDir dir;
    dir.openDatabase();
    {
        AppSettings settings;
        settings.setValue(Setting::sbCo2, 0.5);
        settings.setValue(Setting::sbMoney, 0.3);
        settings.setValue(Setting::co2symbol, symbol);
    }
    addInverter(QStringLiteral("A"), 0, 1000, 1100, 1000.0);
    addInverter(QStringLiteral("B"), 0, 1000, 1100, 234.5);
    QDisplayThread thread;
    thread.loadSetting();
    const QDisplayThread::Pass pass = thread.compute();
    QCOMPARE(pass.co2Text, QStringLiteral("617.25"));
    QCOMPARE(pass.earningText, earning);
}

void TestTotals::runEmitsInOrderAndStops()
{
    TempAppDir dir;
    dir.openDatabase();
    addInverter(QStringLiteral("A"), 0, 1000, 1100, 10.0);
    QDisplayThread thread;
    QStringList order;
    PlantTotals received;
    connect(&thread, &QDisplayThread::inverter_alive, this, [&](int n) { order << QStringLiteral("alive %1").arg(n); });
    connect(&thread, &QDisplayThread::display_value, this, [&](PlantTotals t) {
        received = t;
        order << QStringLiteral("value");
    });
    connect(&thread, &QDisplayThread::dispaly_co2Reduction, this,
            [&](const QString &t) { order << QStringLiteral("co2 ") + t; });
    connect(&thread, &QDisplayThread::display_earning, this,
            [&](const QString &t) { order << QStringLiteral("earning ") + t; });
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(order.size() >= 4, 10000);
    thread.setStop();
    QVERIFY(thread.wait(5000));
    QCOMPARE(order.mid(0, 4), (QStringList{"alive 1", "value", "co2 0.00", "earning 0.00 $"}));
    QCOMPARE(received.acPower, 1000.0);

    // A stop right after the start is not lost.
    thread.start();
    thread.setStop();
    QVERIFY(thread.wait(5000));
}
