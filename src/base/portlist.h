#pragma once

#include <QString>
#include <QStringList>

// Serial ports by their "COMn" names. Port n resolves to a device: an entry
// ports/COMn in the application directory (a link to a device) wins; otherwise
// COM1-COM32 are ttyS0-31, COM33-COM64 ttyUSB0-31, COM65-COM96 ttyACM0-31.
// A link may point at a stable name under /dev/serial/by-id, so that the port
// follows its adapter when adapters are plugged in another order.
class PortList
{
public:
    static constexpr int kMaxPort = 96;

    // The names of the ports that exist, ascending by number. A ttyS counts
    // only when the kernel found a UART behind it.
    static QStringList enumerate();
    static QStringList enumerate(const QString &portsDir, const QString &devRoot, const QString &sysRoot);

    // The device file of port n, or an empty text for a number out of range.
    static QString devicePath(int port);
    static QString devicePath(int port, const QString &portsDir, const QString &devRoot);

    // The stable name of the USB adapter behind port n, as udev lists it in /dev/serial/by-id
    // ("usb-FTDI_FT232R_A50285BI-if00-port0"); empty when the port is no such adapter.
    static QString stableName(int port);
    static QString stableName(int port, const QString &portsDir, const QString &devRoot);

    // "COM7" -> 7; 0 when the text is not a port name.
    static int portNumber(const QString &name);
    static QString portName(int port);
};
