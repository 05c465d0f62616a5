#include "ui/dialogs/lineexchange.h"

#include "link/cserial.h"

#include <QEventLoop>
#include <QThread>

#include <memory>
#include <vector>

namespace {

// Closes the shared port when the exchange ends, whatever happened. A failed
// open may leave the device open with an unset line; this closes that too.
struct PortRelease
{
    CSerial &port;
    ~PortRelease() { port.close(); }
};

LineExchange::Result exchange(CSerial &port, const LineExchange::Request &request)
{
    LineExchange::Result result;
    port.close();
    PortRelease release{port};
    if (port.open(request.line.port, request.line.baud) != 1)
        return result;
    result.opened = true;
    const auto *bytes = reinterpret_cast<const quint8 *>(request.bytes.constData());
    port.write(bytes, int(request.bytes.size()), request.writeTimeoutMs);
    std::vector<quint8> reply(size_t(qMax(1, request.replyLimit)));
    const int count = port.read(reply.data(), request.replyLimit, request.readTimeoutMs);
    result.reply = QByteArray(reinterpret_cast<const char *>(reply.data()), count);
    if (request.settleMs > 0)
        QThread::msleep(ulong(request.settleMs));
    port.purge();
    return result;
}

} // namespace

LineExchange::Result LineExchange::run(CSerial &port, const Request &request)
{
    Result result;
    const std::unique_ptr<QThread> worker(QThread::create([&] { result = exchange(port, request); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return result;
}
