#pragma once

#include "link/serialline.h"

#include <QString>

#include <atomic>

// One serial port, opened by its "COMn" number: a thin synchronous layer over
// termios. The open is exclusive (a second open of a held port fails, also
// through the same object); every operation on a closed port returns 0.
class CSerial : public SerialLine
{
public:
    CSerial();
    ~CSerial() override; // closes an open port
    CSerial(const CSerial &) = delete;
    CSerial &operator=(const CSerial &) = delete;

    // 1 success, 0 failure. Opens the device of port n, sets the line, stores
    // port and baud, purges. A device whose line cannot be set up is closed
    // again and counts as a failure.
    int open(int port, int baud, quint8 byteSize = 8, quint8 parity = NoParity, quint8 stopBits = OneStopBit) override;
    // Whether the last open failed for lack of permission (the user is not in the dialout group).
    bool openDenied() const;
    int reopen() override;
    int close() override;
    bool is_closed() const override;
    int purge() override;
    // Stores both; does not touch an open port.
    void set_port_baud(int port, int baud);
    int set_baud(int baud) override;
    int baud() const override { return m_baud; }
    int port() const { return m_port; }
    // The interval between bytes is taken for the caller's sake only: every
    // read sets it to 0, so reads never end on a gap.
    int set_read_timeout(int interval, int total) override;
    int set_write_timeout(int total) override;
    // Purge, write, flush when at least one byte went out. Returns the bytes written.
    int write(const quint8 *buffer, int length);
    int write(const quint8 *buffer, int length, int writeTimeout) override;
    int read(quint8 *buffer, int length, int timeout) override;
    // Sleeps as close to ms as the scheduler allows.
    void pause(int ms) override;
    bool lineFailed() const override { return m_lineFailed; }

private:
    // Writes all of buffer within the write timeout, flushes. The caller has purged.
    int send(const quint8 *buffer, int length);
    // Keeps the error of a failed open and logs its text.
    void openFailed(int error, const QString &text);

    int m_fd = -1;
    int m_baud = 9600;
    int m_port = 1;
    int m_readTotal = 0;
    int m_writeTotal = 0;
    bool m_lineFailed = false;
    QString m_lastOpenFailure; // logged once until an open succeeds
    std::atomic<int> m_openError{0}; // errno of the last failed open, 0 after an open that succeeded
};
