#pragma once

#include "db/database.h"
#include "device/devicerecord.h"

#include <QList>
#include <QString>

// Device records and database rows for the page tests, without a line.
namespace PlantFixture {

// A record at an address with a serial number and a family number.
DeviceRecord record(int address, const QString &serial, int versionw3, int model = 0);
void setWord(DeviceRecord &record, int registerNo, quint16 value);
// Publishes the records as the polling thread's last cycle.
void publish(const QList<DeviceRecord> &records);

// An orva_inverter row; its id.
int addInverter(const QString &serial, int address, bool online, const QString &brand = QStringLiteral("LUMORA"));
int addGroup(const QString &name);
void addMembership(int groupId, int inverterId);
int count(const QString &table, const QString &where = QStringLiteral("1"));

} // namespace PlantFixture
