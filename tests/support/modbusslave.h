#pragma once

#include "pseudoterminal.h"

#include <QMap>

#include <atomic>
#include <thread>

struct _modbus;
struct _modbus_mapping_t;

// A real Modbus RTU slave (libmodbus) serving holding registers on a
// pseudo-terminal linked as <appdir>/ports/COMn.
class ModbusSlave
{
public:
    ModbusSlave(const QString &appDir, int port, int slave, const QMap<int, quint16> &holdingRegisters);
    ~ModbusSlave();

private:
    void run();

    PseudoTerminal m_pty;
    _modbus *m_context = nullptr;
    _modbus_mapping_t *m_mapping = nullptr;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
