#pragma once

#include "link/serialline.h"
#include "scenario.h"
#include "simclock.h"
#include "simulatedinverter.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QRandomGenerator>

#include <vector>

// A serial line held in memory, with the inverters of a scenario at its far
// end answering as the simulator's do. Replies are there as soon as the
// request is written; time passes only on paper (pauses, the bytes on the
// line, read windows that run out), so a whole search takes milliseconds.
// Used by one thread at a time.
class MemoryLine : public SerialLine
{
public:
    explicit MemoryLine(const Scenario &scenario);

    int open(int port, int baud, quint8 byteSize, quint8 parity, quint8 stopBits) override;
    int reopen() override;
    int close() override;
    bool is_closed() const override { return !m_open; }
    int purge() override;
    int set_baud(int baud) override;
    int baud() const override { return m_baud; }
    int set_read_timeout(int interval, int total) override;
    int set_write_timeout(int total) override;
    int write(const quint8 *buffer, int length, int writeTimeout) override;
    int read(quint8 *buffer, int length, int timeout) override;
    void pause(int ms) override { m_elapsedMs += ms; }
    bool lineFailed() const override { return false; }

    // Every request written, in order.
    QList<QByteArray> heard() const { return m_heard; }
    void clearHeard() { m_heard.clear(); }
    // The inverters' addresses, in scenario order.
    QList<int> addresses() const;

private:
    double byteMs() const { return 10000.0 / m_baud; }

    std::vector<SimulatedInverter> m_inverters;
    QRandomGenerator m_random;
    double m_turnaroundMs;
    const QDateTime m_start;
    double m_elapsedMs = 0.0;
    bool m_open = false;
    int m_port = 1;
    int m_baud = 9600;
    QByteArray m_input;
    QList<QByteArray> m_heard;
};
