#pragma once

#include <QByteArray>

class CSerial;

// A port number and baud rate of the inverter line.
struct LineSettings
{
    int port = 0;
    int baud = 0;
};

// One hand-made request and its raw reply on the given port, for the service
// dialogs that use the line while monitoring is stopped. The port is opened
// (8N1) for the exchange and closed after it on every path, so that a short,
// late or garbled reply never leaves it open. The exchange runs on a worker
// thread while the calling thread keeps painting (user input waits).
class LineExchange
{
public:
    struct Request
    {
        LineSettings line;
        QByteArray bytes;
        int writeTimeoutMs = 0;
        int replyLimit = 0;    // the most bytes read
        int readTimeoutMs = 0; // besides 1 ms per byte of replyLimit
        int settleMs = 0;      // pause after the read, before the port closes
    };

    struct Result
    {
        bool opened = false;
        QByteArray reply; // what came within the read time, possibly nothing
    };

    static Result run(CSerial &port, const Request &request);
};
