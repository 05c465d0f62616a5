#include "support/linepeer.h"

#include "link/crc16.h"

#include <QDir>

LinePeer::LinePeer(const QString &appDir, int port, Responder responder)
    : m_responder(std::move(responder))
{
    QDir(appDir).mkpath(QStringLiteral("ports"));
    m_pty.link(QStringLiteral("%1/ports/COM%2").arg(appDir).arg(port));
    m_thread = std::thread([this] { run(); });
}

LinePeer::~LinePeer()
{
    m_stop = true;
    m_thread.join();
}

QList<QByteArray> LinePeer::heard() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_heard;
}

void LinePeer::run()
{
    while (!m_stop) {
        // The program writes each frame with one write: one chunk is one frame.
        const QByteArray frame = m_pty.read(20);
        if (frame.isEmpty())
            continue;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_heard << frame;
        }
        const QByteArray reply = m_responder(frame);
        if (!reply.isEmpty())
            m_pty.write(reply);
    }
}

LinePeer::Responder LinePeer::inverter(const QMap<quint16, quint16> &registers)
{
    return [registers](const QByteArray &request) {
        if (request.size() != 10)
            return QByteArray();
        const auto byte = [&](int i) { return quint8(request[i]); };
        if (byte(2) == 6)
            return request;
        const int first = byte(3) << 8 | byte(4);
        const int count = byte(5) << 8 | byte(6);
        QByteArray data;
        for (int reg = first; reg < first + count; ++reg) {
            if (!registers.contains(quint16(reg)))
                return QByteArray();
            data.append(char(registers[quint16(reg)] >> 8)).append(char(registers[quint16(reg)] & 0xFF));
        }
        return readReply(byte(1), data);
    };
}

LinePeer::Responder LinePeer::always(const QByteArray &reply)
{
    return [reply](const QByteArray &) { return reply; };
}

QByteArray LinePeer::readReply(quint8 addr, const QByteArray &data)
{
    QByteArray frame;
    frame.append(char(0x0A)).append(char(addr)).append(char(3)).append(char(data.size())).append(data);
    const quint16 crc = crc16_modbus(reinterpret_cast<const quint8 *>(frame.constData()) + 1, frame.size() - 1);
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8)).append(char(0x0D));
}
