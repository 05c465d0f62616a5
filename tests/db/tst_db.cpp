#include "db/database.h"
#include "db/readconnection.h"
#include "support/tempappdir.h"

#include <QThread>
#include <QtTest>

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void queriesAndConversions();
    void boundValuesAreNeverSql();
    void failuresAreLogged();
    void twoThreadsAtOnce();
    void readerAndWriterNeverWait();
    void noConnectionDoesNothing();
    void schemaHasIndexes();
};

namespace {
QString logText(const TempAppDir &dir)
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt")));
}
} // namespace

void TestDatabase::queriesAndConversions()
{
    TempAppDir dir;
    dir.openDatabase();

    QVERIFY(db_query(QStringLiteral("SELECT * FROM orva_inverter")).isEmpty());
    int value = 77;
    QVERIFY(!db_query_int(QStringLiteral("SELECT id FROM orva_inverter"), QStringLiteral("id"), value));
    QCOMPARE(value, 77);

    // A NULL column reads as the empty text.
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_inverter (sn_name, online) VALUES ('SN1', 1)")), 0);
    const DbRows rows = db_query(QStringLiteral("SELECT addr,online FROM orva_inverter WHERE sn_name = 'SN1'"));
    QCOMPARE(rows.size(), 1);
    QVERIFY(rows[0].contains(QStringLiteral("addr")));
    QCOMPARE(rows[0].value(QStringLiteral("addr")), QString());
    QCOMPARE(rows[0].value(QStringLiteral("online")), QStringLiteral("1"));
    QVERIFY(!db_query_int(QStringLiteral("SELECT addr FROM orva_inverter"), QStringLiteral("addr"), value));
    QVERIFY(!db_query_int(QStringLiteral("SELECT sn_name FROM orva_inverter"), QStringLiteral("sn_name"), value));
    QVERIFY(!db_query_int(QStringLiteral("SELECT online FROM orva_inverter"), QStringLiteral("absent"), value));
    QCOMPARE(value, 77);
    QVERIFY(db_query_int(QStringLiteral("SELECT online FROM orva_inverter"), QStringLiteral("online"), value));
    QCOMPARE(value, 1);

    // Membership stored as quoted digits is found by plain numbers.
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group_inverters (group_id, inverter_id) VALUES('%1','%2')")
                         .arg(3)
                         .arg(12)),
             0);
    const DbRows members =
        db_query(QStringLiteral("SELECT inverter_id FROM orva_group_inverters WHERE group_id = %1").arg(3));
    QCOMPARE(members.size(), 1);
    QCOMPARE(members[0].value(QStringLiteral("inverter_id")), QStringLiteral("12"));

    // The later of two equal column names wins.
    const DbRows twice = db_query(QStringLiteral("SELECT 1 AS x, 2 AS x"));
    QCOMPARE(twice.value(0).value(QStringLiteral("x")), QStringLiteral("2"));
}

void TestDatabase::boundValuesAreNeverSql()
{
    TempAppDir dir;
    dir.openDatabase();
    const QStringList names = {QStringLiteral("O'Brien's plant"), QStringLiteral("x'); DROP TABLE orva_group; --"),
                               QStringLiteral("北区 °C ℉"), QStringLiteral("Ünterföhring")};
    for (const QString &name : names)
        QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES (?)"), {name}), 0);
    const DbRows rows = db_query(QStringLiteral("SELECT name FROM orva_group ORDER BY id"));
    QCOMPARE(rows.size(), names.size());
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(rows[i].value(QStringLiteral("name")), names[i]);

    int id = 0;
    QVERIFY(
        db_query_int(QStringLiteral("SELECT id FROM orva_group WHERE name = ?"), {names[2]}, QStringLiteral("id"), id));
    QCOMPARE(id, 3);

    // Numbers, reals and NULL keep their kinds.
    QCOMPARE(
        db_exec(QStringLiteral("INSERT INTO orva_inverter (sn_name, addr, efficiency, type_name) VALUES (?, ?, ?, ?)"),
                {QStringLiteral("SN'9"), 7, 95.5, QVariant()}),
        0);
    const DbRows typed =
        db_query(QStringLiteral("SELECT typeof(addr) AS a, typeof(efficiency) AS e, typeof(type_name) AS t "
                                "FROM orva_inverter WHERE sn_name = ?"),
                 {QStringLiteral("SN'9")});
    QCOMPARE(typed.value(0).value(QStringLiteral("a")), QStringLiteral("integer"));
    QCOMPARE(typed.value(0).value(QStringLiteral("e")), QStringLiteral("real"));
    QCOMPARE(typed.value(0).value(QStringLiteral("t")), QStringLiteral("null"));

    // A value too few or too many is refused, not stored as NULL or dropped.
    const QString insert = QStringLiteral("INSERT INTO orva_inverter (sn_name, addr) VALUES (?, ?)");
    QVERIFY(db_exec(insert, {QStringLiteral("short")}) != 0);
    QVERIFY(db_exec(insert, {QStringLiteral("long"), 1, 2}) != 0);
    QVERIFY(logText(dir).contains(QStringLiteral("err_msg: 1 values for 2 placeholders")));
    QCOMPARE(db_query(QStringLiteral("SELECT * FROM orva_inverter")).size(), 1);
}

void TestDatabase::failuresAreLogged()
{
    TempAppDir dir;
    dir.openDatabase();
    QVERIFY(db_exec(QStringLiteral("INSERT INTO no_such_table VALUES (1)")) != 0);
    QString log = logText(dir);
    QVERIFY(log.contains(
        QStringLiteral("]- sql: INSERT INTO no_such_table VALUES (1), err_msg: no such table: no_such_table\n")));
    QVERIFY(log.contains(QStringLiteral("]- [ERROR][SQL UPDATE] INSERT INTO no_such_table VALUES (1)\n")));

    QFile::remove(dir.file(QStringLiteral("log.txt")));
    QVERIFY(db_query(QStringLiteral("SELECT nothing FROM nowhere")).isEmpty());
    log = logText(dir);
    QVERIFY(log.contains(QStringLiteral("sql: SELECT nothing FROM nowhere, err_msg:")));
    QVERIFY(!log.contains(QStringLiteral("SQL UPDATE")));

    // A query that fails part way returns the rows it had.
    db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('a'), ('b'), (NULL)"));
    const DbRows partial = db_query(QStringLiteral("SELECT CASE WHEN name IS NULL THEN abs(-9223372036854775807 - 1) "
                                                   "ELSE name END AS v FROM orva_group ORDER BY id"));
    QCOMPARE(partial.size(), 2);
}

void TestDatabase::twoThreadsAtOnce()
{
    TempAppDir dir;
    dir.openDatabase();
    constexpr int kRows = 300;
    QAtomicInt failures = 0;
    auto writer = [&](int thread) {
        for (int i = 0; i < kRows; ++i) {
            if (db_exec(QStringLiteral("INSERT INTO orva_monitor_log (inverter_id, log_time) VALUES (?, ?)"),
                        {thread, QString::number(i)}) != 0)
                failures.ref();
            if (db_query(QStringLiteral("SELECT count(*) AS n FROM orva_monitor_log WHERE inverter_id = ?"), {thread})
                    .value(0)
                    .value(QStringLiteral("n"))
                    .toInt() != i + 1)
                failures.ref();
        }
    };
    QThread *a = QThread::create(writer, 1);
    QThread *b = QThread::create(writer, 2);
    a->start();
    b->start();
    QVERIFY(a->wait(60000));
    QVERIFY(b->wait(60000));
    delete a;
    delete b;
    QCOMPARE(int(failures), 0);
    QCOMPARE(db_query(QStringLiteral("SELECT count(*) AS n FROM orva_monitor_log")).value(0).value(QStringLiteral("n")),
             QString::number(2 * kRows));
}

void TestDatabase::readerAndWriterNeverWait()
{
    TempAppDir dir;
    dir.openDatabase();
    QCOMPARE(db_query(QStringLiteral("PRAGMA journal_mode")).value(0).value(QStringLiteral("journal_mode")),
             QStringLiteral("wal"));
    const QString insert = QStringLiteral("INSERT INTO orva_group (name) VALUES (?)");
    const QString count = QStringLiteral("SELECT count(*) AS n FROM orva_group");
    const auto readCount = [&] { return ReadConnection::query(count).value(0).value(QStringLiteral("n")).toInt(); };

    // A writer's open transaction: the reader sees the last commit at once.
    QCOMPARE(db_exec(QStringLiteral("BEGIN EXCLUSIVE")), 0);
    QCOMPARE(db_exec(insert, {QStringLiteral("a")}), 0);
    QCOMPARE(readCount(), 0);
    QCOMPARE(db_exec(QStringLiteral("COMMIT")), 0);
    QCOMPARE(readCount(), 1);

    // An open read: the writer commits at once, the cursor keeps its snapshot.
    QCOMPARE(db_exec(insert, {QStringLiteral("b")}), 0);
    {
        ReadCursor cursor(QStringLiteral("SELECT name FROM orva_group ORDER BY id"));
        QVERIFY(cursor.next());
        QCOMPARE(cursor.text(0), QStringLiteral("a"));
        QCOMPARE(db_exec(insert, {QStringLiteral("c")}), 0);
        QVERIFY(cursor.next());
        QCOMPARE(cursor.text(0), QStringLiteral("b"));
        QVERIFY(!cursor.next());
        QCOMPARE(cursor.resultCode(), 0);
    }
    QCOMPARE(readCount(), 3);

    // The reader never writes; its failures are logged like the writer's.
    int rc = 0;
    ReadConnection::query(QStringLiteral("DELETE FROM orva_group"), {}, &rc);
    QVERIFY(rc != 0);
    QVERIFY(logText(dir).contains(QStringLiteral("sql: DELETE FROM orva_group, err_msg: attempt to write a readonly")));
    QCOMPARE(readCount(), 3);

    // A cursor that outlives its connection ends instead of reading a closed one.
    ReadCursor stale(QStringLiteral("SELECT name FROM orva_group"));
    QCOMPARE(db_close(), 0);
    QVERIFY(!stale.next());
    QVERIFY(ReadConnection::query(count).isEmpty());
    QCOMPARE(db_open(), 0);
    QCOMPARE(readCount(), 3);
}

void TestDatabase::noConnectionDoesNothing()
{
    TempAppDir dir;
    QCOMPARE(db_close(), 0);
    QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('x')")), 0);
    QVERIFY(db_query(QStringLiteral("SELECT * FROM orva_group")).isEmpty());
    QVERIFY(ReadConnection::query(QStringLiteral("SELECT 1 AS one")).isEmpty());
    int value = 5;
    QVERIFY(!db_query_int(QStringLiteral("SELECT 1 AS one"), QStringLiteral("one"), value));
    QCOMPARE(value, 5);
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("log.txt"))));
    QVERIFY(!QFileInfo::exists(dir.file(QStringLiteral("lumora.db"))));
}

void TestDatabase::schemaHasIndexes()
{
    TempAppDir dir;
    dir.openDatabase();
    // The program's hot queries are served by indexes, not by table scans.
    const auto plan = [](const QString &sql) {
        QStringList details;
        for (const DbRow &row : db_query(QStringLiteral("EXPLAIN QUERY PLAN ") + sql))
            details << row.value(QStringLiteral("detail"));
        return details.join(QLatin1Char('|'));
    };
    QVERIFY(
        plan(QStringLiteral("SELECT * FROM orva_monitor_log WHERE inverter_id = 1 AND log_time BETWEEN 'a' AND 'b'"))
            .contains(QStringLiteral("USING INDEX orva_monitor_log_inverter_time")));
    QVERIFY(plan(QStringLiteral("SELECT * FROM orva_inverter WHERE sn_name = 'x'"))
                .contains(QStringLiteral("USING INDEX")));
    QVERIFY(plan(QStringLiteral("SELECT inverter_id FROM orva_group_inverters WHERE group_id = 1"))
                .contains(QStringLiteral("USING INDEX")));
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_db.moc"
