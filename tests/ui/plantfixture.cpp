#include "plantfixture.h"

#include "monitor/programstate.h"
#include "ui/views/parameterview.h"

#include <QtTest>

namespace PlantFixture {

DeviceRecord record(int address, const QString &serial, int versionw3, int model)
{
    DeviceRecord device;
    device.addr = quint8(address);
    device.brand_name = QStringLiteral("LUMORA");
    device.sn_name = serial;
    device.versionw3 = versionw3;
    device.model_name_ee = model;
    return device;
}

void setWord(DeviceRecord &record, int registerNo, quint16 value)
{
    const auto offset = size_t(registerNo - DeviceRecord::kFirstMonitorRegister) * 2;
    record.monitor_data[offset] = quint8(value >> 8);
    record.monitor_data[offset + 1] = quint8(value);
}

DeviceSnapshot snapshot(const QList<DeviceRecord> &records)
{
    DeviceSnapshot devices;
    for (const DeviceRecord &device : records)
        devices.insert(device.addr, device);
    return devices;
}

RealTimeTab::RealTimeTab(RealTimeView::PasswordCheck passwordCheck)
    : view(new ParameterView(&progress, session, ProgramState::instance().sharedPort(),
                             ProgramState::instance().prompter(), ProgramState::instance().numberText()),
           std::move(passwordCheck), ProgramState::instance().prompter(), ProgramState::instance().numberText())
{}

int addInverter(const QString &serial, int address, bool online, const QString &brand)
{
    db_exec(QStringLiteral("INSERT INTO orva_inverter (brand_name,type_name,sn_name,addr,online,current_ver,"
                           "sequence_ver) VALUES (?,'LMR-4K4-EU',?,?,?,214,107)"),
            {brand, serial, address, int(online)});
    int id = 0;
    db_query_int(QStringLiteral("SELECT max(id) AS id FROM orva_inverter"), QStringLiteral("id"), id);
    return id;
}

int addGroup(const QString &name)
{
    db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES (?)"), {name});
    int id = 0;
    db_query_int(QStringLiteral("SELECT max(id) AS id FROM orva_group"), QStringLiteral("id"), id);
    return id;
}

void addMembership(int groupId, int inverterId)
{
    db_exec(QStringLiteral("INSERT INTO orva_group_inverters (group_id,inverter_id) VALUES (?,?)"),
            {groupId, inverterId});
}

int count(const QString &table, const QString &where)
{
    int n = -1;
    db_query_int(QStringLiteral("SELECT count(*) AS n FROM %1 WHERE %2").arg(table, where), QStringLiteral("n"), n);
    return n;
}

} // namespace PlantFixture
