#include "support/modbusslave.h"

#include <QDir>

#include <modbus.h>

ModbusSlave::ModbusSlave(const QString &appDir, int port, int slave, const QMap<int, quint16> &holdingRegisters)
{
    QDir(appDir).mkpath(QStringLiteral("ports"));
    m_pty.link(QStringLiteral("%1/ports/COM%2").arg(appDir).arg(port));
    // The context talks over the pseudo-terminal's master side instead of opening a device.
    m_context = modbus_new_rtu("/dev/null", 9600, 'N', 8, 1);
    modbus_set_slave(m_context, slave);
    modbus_set_socket(m_context, m_pty.masterFd());
    modbus_set_indication_timeout(m_context, 0, 50000);
    m_mapping = modbus_mapping_new(0, 0, 256, 0);
    for (auto it = holdingRegisters.begin(); it != holdingRegisters.end(); ++it)
        m_mapping->tab_registers[it.key()] = it.value();
    m_thread = std::thread([this] { run(); });
}

ModbusSlave::~ModbusSlave()
{
    m_stop = true;
    m_thread.join();
    modbus_mapping_free(m_mapping);
    modbus_free(m_context); // the master side belongs to the pseudo-terminal
}

void ModbusSlave::run()
{
    uint8_t query[MODBUS_RTU_MAX_ADU_LENGTH];
    while (!m_stop) {
        const int length = modbus_receive(m_context, query);
        if (length > 0)
            modbus_reply(m_context, query, length, m_mapping);
    }
}
