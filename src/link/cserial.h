#pragma once

#include <QString>
#include <QtGlobal>

// One serial port, opened by its "COMn" number: a thin synchronous layer over
// termios. The open is exclusive (a second open of a held port fails, also
// through the same object); every operation on a closed port returns 0.
class CSerial
{
public:
    // Line format arguments, with the values of the Win32 constants.
    enum Parity : quint8 { NoParity = 0, OddParity = 1, EvenParity = 2 };
    enum StopBits : quint8 { OneStopBit = 0, TwoStopBits = 2 };

    CSerial();
    virtual ~CSerial(); // closes an open port
    CSerial(const CSerial &) = delete;
    CSerial &operator=(const CSerial &) = delete;

    // 1 success, 0 failure. Opens the device of port n, sets the line, stores
    // port and baud, purges.
    int open(int port, int baud, quint8 byteSize = 8, quint8 parity = NoParity, quint8 stopBits = OneStopBit);
    // open() with the stored port and baud rate, 8N1.
    int reopen();
    // 1 when it closed the port, 0 when it was closed.
    int close();
    bool is_closed() const;
    // Discards pending input and output. Always 1.
    int purge();
    // Stores both; does not touch an open port.
    void set_port_baud(int port, int baud);
    // Changes the rate of the open port and stores it. 1 / 0.
    int set_baud(int baud);
    // Read timeouts: 1 ms per byte plus total ms. 1 / 0. The interval between
    // bytes is taken for the caller's sake only: every read sets it to 0, so
    // reads never end on a gap.
    int set_read_timeout(int interval, int total);
    // Write total timeout in ms. 1 / 0.
    int set_write_timeout(int total);
    // Purge, write, flush when at least one byte went out. Returns the bytes written.
    int write(const quint8 *buffer, int length);
    int write(const quint8 *buffer, int length, int writeTimeout);
    // Waits until length bytes came or length x 1 ms + timeout ms have passed
    // since it began. Returns the bytes read (0 on timeout or when closed).
    int read(quint8 *buffer, int length, int timeout);

    int baud() const { return m_baud; }
    int port() const { return m_port; }
    // The device hung up or reported an I/O error since the last open: a
    // line that failed, not one that is merely silent.
    bool lineFailed() const { return m_lineFailed; }

private:
    // Writes all of buffer within the write timeout, flushes. The caller has purged.
    int send(const quint8 *buffer, int length);
    void logOpenFailure(const QString &text);

    int m_fd = -1;
    int m_baud = 9600;
    int m_port = 1;
    int m_readTotal = 0;
    int m_writeTotal = 0;
    bool m_lineFailed = false;
    QString m_lastOpenFailure; // logged once until an open succeeds
};
