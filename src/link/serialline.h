#pragma once

#include <QtGlobal>

// What the frame protocol and the search need of a serial line: open and
// close by port number, the line's rate, purge, timed writes and reads, and the
// pauses that pace the exchanges. CSerial is the real line; tests put a line
// held in memory in its place.
class SerialLine
{
public:
    // Line format arguments, with the values of the Win32 constants.
    enum Parity : quint8 { NoParity = 0, OddParity = 1, EvenParity = 2 };
    enum StopBits : quint8 { OneStopBit = 0, TwoStopBits = 2 };

    virtual ~SerialLine() = default;

    // 1 success, 0 failure.
    virtual int open(int port, int baud, quint8 byteSize, quint8 parity, quint8 stopBits) = 0;
    // open() with the stored port and baud rate, 8N1.
    virtual int reopen() = 0;
    // 1 when it closed the line, 0 when it was closed.
    virtual int close() = 0;
    virtual bool is_closed() const = 0;
    // Discards pending input and output. 1, or 0 when closed.
    virtual int purge() = 0;
    // Changes the rate of the open line and stores it. 1 / 0.
    virtual int set_baud(int baud) = 0;
    virtual int baud() const = 0;
    // Read timeouts: 1 ms per byte plus total ms. 1 / 0.
    virtual int set_read_timeout(int interval, int total) = 0;
    // Write total timeout in ms. 1 / 0.
    virtual int set_write_timeout(int total) = 0;
    // Purge, write within writeTimeout ms. Returns the bytes written.
    virtual int write(const quint8 *buffer, int length, int writeTimeout) = 0;
    // Waits until length bytes came or length x 1 ms + timeout ms have passed
    // since it began. Returns the bytes read (0 on timeout or when closed).
    virtual int read(quint8 *buffer, int length, int timeout) = 0;
    // Waits ms milliseconds: the pauses between exchanges are part of the line's timing.
    virtual void pause(int ms) = 0;
    // The device hung up or reported an I/O error since the last open: a
    // line that failed, not one that is merely silent.
    virtual bool lineFailed() const = 0;
};
