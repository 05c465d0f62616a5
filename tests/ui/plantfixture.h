#pragma once

#include "db/database.h"
#include "device/devicemap.h"
#include "monitor/monitoringsession.h"
#include "ui/qprogresswin.h"
#include "ui/views/realtimeview.h"

#include <QList>
#include <QString>

// Device records and database rows for the page tests, without a line.
namespace PlantFixture {

// A record at an address with a serial number and a family number.
DeviceRecord record(int address, const QString &serial, int versionw3, int model = 0);
void setWord(DeviceRecord &record, int registerNo, quint16 value);
// The records as a polling cycle hands them to the pages.
DeviceSnapshot snapshot(const QList<DeviceRecord> &records);

// The real-time tab on its own, assembled as the window assembles it, with
// its parameter page on a session that does not poll. The prompter and the
// number texts are those of the program-wide state.
struct RealTimeTab
{
    explicit RealTimeTab(RealTimeView::PasswordCheck passwordCheck = [] { return true; });

    QProgressWin progress;
    MonitoringSession session;
    RealTimeView view;
};

// An orva_inverter row; its id.
int addInverter(const QString &serial, int address, bool online, const QString &brand = QStringLiteral("LUMORA"));
int addGroup(const QString &name);
void addMembership(int groupId, int inverterId);
int count(const QString &table, const QString &where = QStringLiteral("1"));

} // namespace PlantFixture
