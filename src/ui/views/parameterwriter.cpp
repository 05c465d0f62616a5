#include "ui/views/parameterwriter.h"

#include "link/ccommand.h"
#include "link/cserial.h"

#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <memory>

namespace {
constexpr quint8 kReadRegisters = 3;
constexpr quint8 kWriteRegister = 6;
} // namespace

ParameterWriter::ParameterWriter(CSerial &port)
    : m_port(port)
{}

bool ParameterWriter::writeRegister(quint8 address, quint16 registerNo, quint16 value)
{
    if (!m_port.reopen())
        return false;
    CCommand command(m_port);
    quint8 request[CCommand::kRequestSize];
    CCommand::make_read_frame(request, address, kWriteRegister, registerNo, value);
    quint8 echo[CCommand::kReplyBufferSize] = {};
    const int echoed = command.write_with_retry(request, CCommand::kRequestSize, echo, kTimeoutMs, 2);
    m_port.close();
    // Any other answer, also ten bytes that differ from the request, is no echo.
    return echoed == CCommand::kRequestSize && std::equal(request, request + CCommand::kRequestSize, echo);
}

void ParameterWriter::readState(quint8 address)
{
    if (!m_port.reopen())
        return;
    CCommand command(m_port);
    quint8 request[CCommand::kRequestSize];
    CCommand::make_read_frame(request, address, kReadRegisters, kStateRegister, 1);
    quint8 reply[CCommand::kReplyBufferSize] = {};
    command.read_by_send(request, CCommand::kRequestSize, reply, kTimeoutMs, true);
    m_port.close();
}

bool ParameterWriter::write(quint8 address, quint16 registerNo, quint16 word)
{
    writeRegister(address, kLockRegister, 0);
    readState(address);
    const bool written = writeRegister(address, registerNo, word);
    if (written)
        QThread::msleep(kSettleMs);
    writeRegister(address, kLockRegister, 1);
    return written;
}

bool ParameterWriter::writeKeepingEventsTurning(quint8 address, quint16 registerNo, quint16 word)
{
    bool written = false;
    QEventLoop loop;
    std::unique_ptr<QThread> worker(QThread::create([&] { written = write(address, registerNo, word); }));
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker->wait();
    return written;
}
