#include "tst_serial.h"

#include "link/cserial.h"
#include "pseudoterminal.h"
#include "support/permissionsenforced.h"
#include "support/tempappdir.h"
#include "testlog.h"

#include <QElapsedTimer>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A pseudo-terminal reachable as COMn of the application directory.
void linkPort(const TempAppDir &dir, PseudoTerminal &pty, int port)
{
    QDir(dir.path()).mkpath(QStringLiteral("ports"));
    QVERIFY(pty.link(dir.file(QStringLiteral("ports/COM%1").arg(port))));
}

} // namespace

void TestSerial::openIsExclusive()
{
    TempAppDir dir;
    PseudoTerminal pty;
    linkPort(dir, pty, 12);
    CSerial first;
    QCOMPARE(first.open(12, 19200), 1);
    QCOMPARE(pty.baudRate(), 19200);
    QCOMPARE(first.port(), 12);

    QCOMPARE(first.open(12, 9600), 0); // the same object
    QVERIFY(!first.is_closed());
    QCOMPARE(first.baud(), 19200);
    CSerial second;
    QCOMPARE(second.open(12, 9600), 0); // another object
    QVERIFY(second.is_closed());
    QCOMPARE(logCount(dir, QStringLiteral("held by another program")), 2);

    QCOMPARE(first.close(), 1);
    QCOMPARE(second.open(12, 4800), 1);
    QCOMPARE(pty.baudRate(), 4800);
    QCOMPARE(second.set_baud(38400), 1);
    QCOMPARE(pty.baudRate(), 38400);
}

void TestSerial::openFailuresAreLogged()
{
    TempAppDir dir;
    CSerial port;
    // A device the user may not open, also as root.
    PseudoTerminal pty;
    linkPort(dir, pty, 6);
    QVERIFY(::chmod(pty.slavePath().toLocal8Bit().constData(), 0) == 0);
    {
        PermissionsEnforced enforced;
        QCOMPARE(port.open(6, 9600), 0);
    }
    QVERIFY(port.openDenied());
    QCOMPARE(logCount(dir, QStringLiteral("COM6 (%1): permission denied (the user is not in the dialout group)")
                               .arg(dir.file(QStringLiteral("ports/COM6")))),
             1);

    QVERIFY(QFile::link(dir.file(QStringLiteral("nowhere")), dir.file(QStringLiteral("ports/COM5"))));
    QCOMPARE(port.open(5, 9600), 0);
    QCOMPARE(logCount(dir, QStringLiteral("COM5 (%1): no such device").arg(dir.file(QStringLiteral("ports/COM5")))), 1);
    QVERIFY(!port.openDenied());
}

// A refused rate, and a device without line settings: the open fails and
// leaves the device free for the next open, through this object or another.
void TestSerial::lineThatCannotBeSetUpIsLetGo()
{
    TempAppDir dir;
    PseudoTerminal pty;
    linkPort(dir, pty, 4);
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), dir.file(QStringLiteral("ports/COM5"))));
    CSerial port;
    QCOMPARE(port.open(4, 12345), 0);
    QVERIFY(port.is_closed());
    QCOMPARE(port.open(5, 9600), 0);
    QVERIFY(port.is_closed());
    QCOMPARE(logCount(dir, QStringLiteral("line settings refused")), 2);

    QCOMPARE(port.open(4, 9600), 1);
    QCOMPARE(port.close(), 1);
    CSerial other;
    QCOMPARE(other.open(5, 9600), 0);
    QCOMPARE(other.open(4, 2400), 1);
    QCOMPARE(pty.baudRate(), 2400);
}

void TestSerial::closedPortDoesNothing()
{
    TempAppDir dir;
    PseudoTerminal pty;
    linkPort(dir, pty, 3);
    CSerial port;
    quint8 bytes[4] = {1, 2, 3, 4};
    QVERIFY(port.is_closed());
    QCOMPARE(port.write(bytes, 4), 0);
    QCOMPARE(port.write(bytes, 4, 100), 0);
    QCOMPARE(port.read(bytes, 4, 100), 0);
    QCOMPARE(port.purge(), 0);
    QCOMPARE(port.set_baud(9600), 0);
    QCOMPARE(port.set_read_timeout(0, 10), 0);
    QCOMPARE(port.set_write_timeout(10), 0);
    QCOMPARE(port.close(), 0);
    QVERIFY(pty.read(50).isEmpty());

    port.set_port_baud(3, 2400);
    QVERIFY(port.is_closed());
    QCOMPARE(port.reopen(), 1);
    QCOMPARE(pty.baudRate(), 2400);
}

void TestSerial::readWaitsForLengthOrTotalTime()
{
    TempAppDir dir;
    PseudoTerminal pty;
    linkPort(dir, pty, 4);
    CSerial port;
    QCOMPARE(port.open(4, 9600), 1);
    quint8 buffer[64];
    QElapsedTimer timer;

    // Silent line: 23 x 1 ms + 100 ms, never less.
    const qint64 window = 123 * 1000 * 1000;
    timer.start();
    QCOMPARE(port.read(buffer, 23, 100), 0);
    QVERIFY2(timer.nsecsElapsed() >= window && timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));

    // Nine of 23 bytes: the same total time, then what came.
    QVERIFY(pty.write(QByteArray(9, 'x')));
    timer.start();
    QCOMPARE(port.read(buffer, 23, 100), 9);
    QVERIFY2(timer.nsecsElapsed() >= window && timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));

    // All of them: at once.
    QVERIFY(pty.write(QByteArray(30, 'y')));
    QTest::qWait(30);
    timer.start();
    QCOMPARE(port.read(buffer, 23, 1000), 23);
    QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(port.read(buffer, 23, 0), 7);
}

void TestSerial::writePurgesStaleInput()
{
    TempAppDir dir;
    PseudoTerminal pty;
    linkPort(dir, pty, 4);
    CSerial port;
    QCOMPARE(port.open(4, 9600), 1);
    QVERIFY(pty.write("stale"));
    QTest::qWait(50);
    const quint8 request[] = {0x0A, 0x01, 0x0D};
    QCOMPARE(port.write(request, 3, 100), 3);
    QCOMPARE(pty.readFrame(500, 20), QByteArray("\x0A\x01\x0D"));
    QVERIFY(pty.write("fresh"));
    quint8 buffer[16];
    QCOMPARE(port.read(buffer, 16, 100), 5);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 5), QByteArray("fresh"));
}
