#include "tst_log.h"

#include "base/log.h"
#include "support/tempappdir.h"

#include <QRegularExpression>
#include <QThread>
#include <QtTest>

namespace {
const QRegularExpression kLine(QStringLiteral(R"(^\[\d{4}/\d\d/\d\d \d\d:\d\d:\d\d:\d+\]- (.*)$)"));

QStringList logLines(const TempAppDir &dir)
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
} // namespace

void TestLog::lineFormat()
{
    TempAppDir dir;
    write_log(QStringLiteral("[VER] Lumora Data Manager 1.1"));
    write_log(QStringLiteral("sensor unit °C, group 北区"));
    const QStringList lines = logLines(dir);
    QCOMPARE(lines.size(), 2);
    const QRegularExpressionMatch first = kLine.match(lines[0]);
    QVERIFY2(first.hasMatch(), qPrintable(lines[0]));
    QCOMPARE(first.captured(1), QStringLiteral("[VER] Lumora Data Manager 1.1"));
    QCOMPARE(lines[0].mid(1, 4).toInt(), QDate::currentDate().year());
    QCOMPARE(kLine.match(lines[1]).captured(1), QStringLiteral("sensor unit °C, group 北区"));

    const QDate day(2026, 3, 7);
    QCOMPARE(log_timestamp(QDateTime(day, QTime(9, 4, 2, 5))), QStringLiteral("[2026/03/07 09:04:02:55]- "));
    QCOMPARE(log_timestamp(QDateTime(day, QTime(23, 59, 59, 400))), QStringLiteral("[2026/03/07 23:59:59:400400]- "));
    QCOMPARE(log_timestamp(QDateTime(day, QTime(0, 0, 0, 0))), QStringLiteral("[2026/03/07 00:00:00:00]- "));
}

void TestLog::restartsAtElevenKiB()
{
    TempAppDir dir;
    dir.write(QStringLiteral("log.txt"), QByteArray(11263, 'x'));
    write_log(QStringLiteral("kept"));
    QByteArray contents = dir.read(QStringLiteral("log.txt"));
    QVERIFY(contents.startsWith(QByteArray(11263, 'x')));
    QVERIFY(contents.endsWith("kept\n"));

    dir.write(QStringLiteral("log.txt"), QByteArray(11264, 'x'));
    write_log(QStringLiteral("fresh"));
    const QStringList lines = logLines(dir);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(kLine.match(lines[0]).captured(1), QStringLiteral("fresh"));
}

void TestLog::unwritableLogIsSilent()
{
    TempAppDir dir;
    // A directory where the file should be: the open fails, as in a read-only place.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("log.txt")));
    write_log(QStringLiteral("lost"));
    QVERIFY(QFileInfo(dir.file(QStringLiteral("log.txt"))).isDir());
}

void TestLog::concurrentWritersKeepLinesWhole()
{
    TempAppDir dir;
    constexpr int kThreads = 6;
    constexpr int kLines = 20; // all of them stay below the 11 KiB limit
    QList<QThread *> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads << QThread::create([t] {
            for (int i = 0; i < kLines; ++i)
                write_log(QStringLiteral("writer %1 line %2 ").arg(t).arg(i) + QString(20, QLatin1Char('=')));
        });
    }
    for (QThread *thread : threads)
        thread->start();
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(30000));
        delete thread;
    }
    const QStringList lines = logLines(dir);
    QCOMPARE(lines.size(), kThreads * kLines);
    QSet<QString> seen;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = kLine.match(line);
        QVERIFY2(match.hasMatch() && match.captured(1).endsWith(QString(20, QLatin1Char('='))), qPrintable(line));
        seen.insert(match.captured(1));
    }
    QCOMPARE(seen.size(), kThreads * kLines);

    // Many more lines than the limit holds: the file restarts, and every line in it is whole.
    for (int round = 0; round < 2; ++round) {
        QList<QThread *> busy;
        for (int t = 0; t < kThreads; ++t)
            busy << QThread::create([] {
                for (int i = 0; i < 150; ++i)
                    write_log(QString(50, QLatin1Char('#')));
            });
        for (QThread *thread : busy)
            thread->start();
        for (QThread *thread : busy) {
            QVERIFY(thread->wait(30000));
            delete thread;
        }
    }
    const QByteArray contents = dir.read(QStringLiteral("log.txt"));
    QVERIFY(contents.size() < 11264 + 200);
    for (const QString &line : logLines(dir))
        QVERIFY2(kLine.match(line).hasMatch(), qPrintable(line));
}
