#include "db/database.h"
#include "db/historyschema.h"
#include "history/dailydebugfiles.h"
#include "history/poweraverages.h"
#include "history/qlogdata.h"
#include "support/golden.h"
#include "support/historyrows.h"
#include "support/manualclock.h"
#include "support/tempappdir.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtTest>

using namespace HistoryRows;

// The history's queries on real database files, without a window.
class TestHistory : public QObject
{
    Q_OBJECT

private slots:
    void dataLogPagesThroughAMonth();
    void chartAveragesMatchTheReadings();
    void debugFilesAtMidnight();
};

void TestHistory::dataLogPagesThroughAMonth()
{
    TempAppDir dir;
    dir.openDatabase();
    const int eur = addInverter(QStringLiteral("SN1"), 0);
    // Three readings a minute share their time, so that pages end inside a run of equal times.
    QList<QVariantList> rows;
    const int minutes = 700;
    for (int minute = 0; minute < minutes; ++minute) {
        const QString time = QDateTime(QDate(2024, 5, 1), QTime(0, 0))
                                 .addSecs(minute * 60)
                                 .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        for (int i = 0; i < 3; ++i)
            rows << QVariantList{time, eur, QString::number(minute * 3 + i)};
    }
    db_exec_each(QStringLiteral("INSERT INTO orva_monitor_log (log_time, inverter_id, monitor_data, err1, err2, err3, "
                                "err4) VALUES (?, ?, ?, 0, 0, 0, 0)"),
                 rows);

    QLogData model;
    model.query(QStringLiteral("SN1"), QStringLiteral("2024-05-01 00:00:00"), QStringLiteral("2024-05-31 23:59:59"));
    QCOMPARE(model.rowCount(), QLogData::kPageRows);
    int fetches = 0;
    while (model.canFetchMore(QModelIndex())) {
        model.fetchMore(QModelIndex());
        ++fetches;
    }
    QCOMPARE(model.rowCount(), minutes * 3);
    QCOMPARE(fetches, minutes * 3 / QLogData::kPageRows);
    for (int row = 0; row < model.rowCount(); ++row)
        QCOMPARE(model.index(row, 7).data().toString().section(QLatin1Char(' '), 0, 0).toDouble(), row * 0.1);

    // The export writes the whole month, not only the rows fetched.
    model.query(QStringLiteral("SN1"), QStringLiteral("2024-05-01 00:00:00"), QStringLiteral("2024-05-31 23:59:59"));
    int exported = 0;
    QVERIFY(model.forEachReading([&](const QLogData::Reading &) { ++exported; }));
    QCOMPARE(exported, minutes * 3);
}

void TestHistory::chartAveragesMatchTheReadings()
{
    TempAppDir dir;
    dir.openDatabase();
    const int eur = addInverter(QStringLiteral("SN1"), 0);
    const int usa1 = addInverter(QStringLiteral("SN10"), 400); // holds the other's serial
    QRandomGenerator random(7);
    QList<QVariantList> rows;
    for (int i = 0; i < 3000; ++i) {
        const bool three = random.bounded(2) == 1;
        const QDateTime time = QDateTime(QDate(2023, 11, 20), QTime(0, 0)).addSecs(random.bounded(86400 * 120));
        QStringList parts;
        for (int part = 0; part < (three ? 30 : 85); ++part)
            parts << (random.bounded(4) == 0 ? QStringLiteral("%1.9").arg(random.bounded(500))
                                             : QString::number(random.bounded(6000)));
        rows << QVariantList{three ? 400 : 0, time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")), three ? usa1 : eur,
                             parts.join(QLatin1Char(','))};
    }
    db_exec_each(QStringLiteral("INSERT INTO orva_monitor_log (versionw3, log_time, inverter_id, monitor_data) "
                                "VALUES (?, ?, ?, ?)"),
                 rows);
    // A 99.9 W reading counts 99: (99 + 100) / 2.
    addReading(eur, 0, QStringLiteral("2025-06-01 10:00:00"), {}, QStringLiteral("0,0,0,99.9"));
    addReading(eur, 0, QStringLiteral("2025-06-03 10:30:00"), {}, QStringLiteral("0,0,0,100"));
    QCOMPARE(PowerAverages::compute(PowerAverages::Hours, QStringLiteral("SN1"), QStringLiteral("2025-06-01 00:00:00"),
                                    QStringLiteral("2025-06-03 23:59:59"))
                 .value(10),
             99.5);
    // The serial is matched exactly: "SN" is a part of both names, but neither's.
    QCOMPARE(PowerAverages::compute(PowerAverages::Hours, QStringLiteral("SN"), QStringLiteral("2025-06-01 00:00:00"),
                                    QStringLiteral("2025-06-03 23:59:59"))
                 .value(10),
             0.0);

    // Changed readings are counted again in their old and new hours.
    QCOMPARE(db_exec(QStringLiteral("UPDATE orva_monitor_log SET monitor_data = '0,0,0,7,0,0,0,0,8,0,0,9', "
                                    "log_time = datetime(log_time, '+90 minutes') WHERE id % 7 = 0")),
             0);
    struct Period
    {
        PowerAverages::Kind kind;
        const char *start;
        const char *end;
    };
    const Period periods[] = {{PowerAverages::Hours, "2023-12-01 00:00:00", "2024-01-15 23:59:59"},
                              {PowerAverages::Days, "2024-02-00 00:00:00", "2024-02-31 23:59:59"},
                              {PowerAverages::Days, "2023-11-00 00:00:00", "2024-03-31 23:59:59"},
                              {PowerAverages::Months, "2024-01-00 00:00:00", "2024-12-31 23:59:59"},
                              {PowerAverages::Months, "2022-01-00 00:00:00", "2022-12-31 23:59:59"}};
    for (const QString serial : {"SN1", "SN10"}) {
        for (const Period &period : periods) {
            const QString start = QLatin1String(period.start);
            const QString end = QLatin1String(period.end);
            const QVector<double> summary = PowerAverages::fromSummary(period.kind, serial, start, end);
            QCOMPARE(summary.size(), PowerAverages::barCount(period.kind));
            QCOMPARE(summary, PowerAverages::fromReadings(period.kind, serial, start, end));
        }
    }
    // February 2024 has 29 days: the day positions after it stay at zero.
    const QVector<double> february =
        PowerAverages::fromSummary(PowerAverages::Days, QStringLiteral("SN10"), QStringLiteral("2024-02-00 00:00:00"),
                                   QStringLiteral("2024-02-31 23:59:59"));
    QVERIFY(february.value(29) > 0);
    QCOMPARE(february.mid(30), (QVector<double>{0, 0}));

    // A database made before the summary gets the same one at start-up.
    const auto summary = [] {
        return db_query(QStringLiteral("SELECT * FROM orva_power_hour ORDER BY inverter_id, hour"));
    };
    const DbRows kept = summary();
    dropSummary();
    QVERIFY(HistorySchema::ensure(1000)); // a chunk at a time
    QCOMPARE(summary(), kept);

    // Deleting an inverter's readings empties its summary.
    db_exec(QStringLiteral("DELETE FROM orva_monitor_log WHERE inverter_id = ?"), {usa1});
    QCOMPARE(db_query(QStringLiteral("SELECT * FROM orva_power_hour WHERE inverter_id = ?"), {usa1}).size(), 0);
}

void TestHistory::debugFilesAtMidnight()
{
    TempAppDir dir;
    dir.openDatabase();
    ManualClock clock(QDateTime(QDate(2011, 2, 3), QTime(23, 58)));
    const int eur = addInverter(QStringLiteral("S/N LE44A0012345"), 0);
    const int usa1 = addInverter(QStringLiteral("../../LT15"), 303);
    addReading(eur, 0, QStringLiteral("2011-02-03 08:00:00"), {4096, 0, 0, 0}, monitorText(85, 1),
               QStringLiteral("21.5,812"));
    addReading(eur, 0, QStringLiteral("2011-02-02 08:00:00"), {}, monitorText(85, 2)); // yesterday
    addReading(usa1, 303, QStringLiteral("2011-02-03 09:00:00"), {}, monitorText(30, 3));

    DailyDebugFiles::saveIfDue(false);
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("debug"))));
    clock.advance(60 * 1000);
    DailyDebugFiles::saveIfDue(false);
    COMPARE_GOLDEN("history/debug-eur.csv",
                   QString::fromUtf8(dir.read(QStringLiteral("debug/LE44A0012345/2011/2/20110203.csv"))));
    COMPARE_GOLDEN("history/debug-usa1.csv",
                   QString::fromUtf8(dir.read(QStringLiteral("debug/.._.._LT15/2011/2/20110203.csv"))));
    // The serial with "../" stays inside debug/.
    QCOMPARE(QDir(dir.file(QStringLiteral("debug"))).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{".._.._LT15", "LE44A0012345"}));
    QCOMPARE(DailyDebugFiles::folderName(QStringLiteral(" .. ")), QStringLiteral("__"));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
