#include "tst_portlist.h"

#include "base/portlist.h"
#include "support/tempappdir.h"

#include <QtTest>

void TestPortList::enumerateFakeMachine()
{
    TempAppDir dir;
    // /dev and /sys of a machine with one real UART (ttyS0), one unused ttyS slot,
    // a USB adapter and a modem-class device.
    for (const char *device : {"dev/ttyS0", "dev/ttyS1", "dev/ttyUSB0", "dev/ttyACM2"})
        dir.write(QString::fromLatin1(device), "");
    dir.write(QStringLiteral("sys/class/tty/ttyS0/type"), "4\n");
    dir.write(QStringLiteral("sys/class/tty/ttyS1/type"), "0\n");
    // ports/: COM7 leads to the USB adapter, COM2 leads nowhere, COM120 beyond the kernel ranges.
    QDir(dir.path()).mkpath(QStringLiteral("ports"));
    QVERIFY(QFile::link(dir.file(QStringLiteral("dev/ttyUSB0")), dir.file(QStringLiteral("ports/COM7"))));
    QVERIFY(QFile::link(dir.file(QStringLiteral("dev/gone")), dir.file(QStringLiteral("ports/COM2"))));
    QVERIFY(QFile::link(dir.file(QStringLiteral("dev/ttyACM2")), dir.file(QStringLiteral("ports/COM120"))));
    dir.write(QStringLiteral("ports/README"), "not a port");

    const QStringList ports = PortList::enumerate(dir.file(QStringLiteral("ports")), dir.file(QStringLiteral("dev")),
                                                  dir.file(QStringLiteral("sys")));
    QCOMPARE(ports, (QStringList{"COM1", "COM7", "COM33", "COM67", "COM120"}));
}

void TestPortList::emptyMachine()
{
    TempAppDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("dev"));
    QVERIFY(PortList::enumerate(dir.file(QStringLiteral("ports")), dir.file(QStringLiteral("dev")),
                                dir.file(QStringLiteral("sys")))
                .isEmpty());
}

void TestPortList::devicePaths()
{
    TempAppDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("ports"));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), dir.file(QStringLiteral("ports/COM3"))));
    const QString ports = dir.file(QStringLiteral("ports"));
    QCOMPARE(PortList::devicePath(3, ports, QStringLiteral("/dev")), dir.file(QStringLiteral("ports/COM3")));
    QCOMPARE(PortList::devicePath(12, ports, QStringLiteral("/dev")), QStringLiteral("/dev/ttyS11"));
    QCOMPARE(PortList::devicePath(33, ports, QStringLiteral("/dev")), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(PortList::devicePath(96, ports, QStringLiteral("/dev")), QStringLiteral("/dev/ttyACM31"));
    QVERIFY(PortList::devicePath(97, ports, QStringLiteral("/dev")).isEmpty());
    QVERIFY(PortList::devicePath(0, ports, QStringLiteral("/dev")).isEmpty());
    QCOMPARE(PortList::portNumber(QStringLiteral("COM12")), 12);
    QCOMPARE(PortList::portNumber(QStringLiteral("COM0")), 0);
    QCOMPARE(PortList::portNumber(QStringLiteral("ttyS0")), 0);
}

void TestPortList::stableNamesOfUsbAdapters()
{
    TempAppDir dir;
    // Two FTDI adapters as udev names them, a UART without a by-id entry, a by-id entry of a device
    // that is gone; ports/COM5 follows the second adapter by its stable name.
    for (const char *device : {"dev/ttyS0", "dev/ttyUSB0", "dev/ttyUSB1"})
        dir.write(QString::fromLatin1(device), "");
    const QString byId = dir.file(QStringLiteral("dev/serial/by-id"));
    QDir().mkpath(byId);
    const QString first = QStringLiteral("usb-FTDI_FT232R_A50285BI-if00-port0");
    const QString second = QStringLiteral("usb-FTDI_FT232R_B71133CX-if00-port0");
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB0"), byId + QLatin1Char('/') + first));
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB1"), byId + QLatin1Char('/') + second));
    QVERIFY(QFile::link(QStringLiteral("../../ttyUSB7"), byId + QStringLiteral("/usb-Prolific-if00-port0")));
    QDir(dir.path()).mkpath(QStringLiteral("ports"));
    QVERIFY(QFile::link(byId + QLatin1Char('/') + second, dir.file(QStringLiteral("ports/COM5"))));

    const QString ports = dir.file(QStringLiteral("ports"));
    const QString dev = dir.file(QStringLiteral("dev"));
    QCOMPARE(PortList::stableName(33, ports, dev), first);
    QCOMPARE(PortList::stableName(34, ports, dev), second);
    QCOMPARE(PortList::stableName(5, ports, dev), second);
    QCOMPARE(PortList::stableName(1, ports, dev), QString());  // the UART
    QCOMPARE(PortList::stableName(40, ports, dev), QString()); // ttyUSB7 is gone
    QVERIFY(PortList::enumerate(ports, dev, dir.file(QStringLiteral("sys"))).contains(QStringLiteral("COM5")));
}
