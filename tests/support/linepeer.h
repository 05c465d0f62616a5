#pragma once

#include "pseudoterminal.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// The far end of a test line: a pseudo-terminal linked as <appdir>/ports/COMn
// and a thread that hears every frame the program writes and answers it.
class LinePeer
{
public:
    // Gets each frame heard; returns the answer (empty: stay silent).
    using Responder = std::function<QByteArray(const QByteArray &request)>;

    LinePeer(const QString &appDir, int port, Responder responder);
    ~LinePeer();

    QList<QByteArray> heard() const;
    PseudoTerminal &terminal() { return m_pty; }

    // Answers function 3 from the register map (silent when a register is
    // missing) and echoes function 6.
    static Responder inverter(const QMap<quint16, quint16> &registers);
    // The same answer to every frame.
    static Responder always(const QByteArray &reply);
    // A read reply frame 0x0A ... 0x0D around data bytes, with a valid CRC.
    static QByteArray readReply(quint8 addr, const QByteArray &data);

private:
    void run();

    PseudoTerminal m_pty;
    Responder m_responder;
    mutable std::mutex m_mutex;
    QList<QByteArray> m_heard;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
