#pragma once

#include <QByteArray>
#include <QString>

// The program's end of a simulated line, reduced to what the simulator's own
// tests need: a raw 8N1 open at a baud rate, purge, write, timed read.
class LineClient
{
public:
    LineClient(const QString &path, int baud);
    ~LineClient();
    LineClient(const LineClient &) = delete;
    LineClient &operator=(const LineClient &) = delete;

    bool isOpen() const { return m_fd >= 0; }
    // Purges, writes the request, and reads until `expected` bytes or timeoutMs.
    QByteArray exchange(const QByteArray &request, int expected, int timeoutMs = 500);

    // A request with its CRC.
    static QByteArray inverterRequest(int address, int function, int reg, int countOrValue);
    static bool validInverterFrame(const QByteArray &frame);

private:
    QByteArray read(int expected, int timeoutMs);

    int m_fd = -1;
};
