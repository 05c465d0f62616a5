#pragma once

#include "link/replycheck.h"

#include <QList>
#include <QMutex>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

class CSerial;
class LineHealth;

// One Modbus RTU sensor as the sensor settings define it.
struct SensorDefinition
{
    int id = 0;                      // its row in sensor_setting; 0 when not stored
    std::array<quint8, 6> request{}; // slave, 0x03, start register high, low, register count high, low
    QString header;
    QString unit;
    QString op; // "*", "/", "+", "-", or anything else for none
    double factor = 0.0;
    bool crcHighFirst = false; // the request's CRC goes high byte first
    bool lowByteFirst = false; // the reply's register value comes low byte first
};

// What one of the four sensor slots of the main view shows.
struct SensorSlot
{
    bool update = false; // false: the slot keeps what it shows
    QString title;
    QString value;
    QString unit;
};

// The program-wide list of up to four configured Modbus sensors with their
// latest values. Safe to reload from one thread while another reads the
// sensors: the lock is never held across the line work.
class SensorList
{
public:
    static constexpr int kMaxSensors = 4;
    static constexpr int kRequestSize = 8;
    static constexpr int kReplySize = 7; // slave, function, byte count, value (2), CRC (2)
    static constexpr int kFirstMainViewItem = 9;

    // Rebuilds the list from the first four definitions. Latest values restart at 0.0.
    void load(const QList<SensorDefinition> &definitions);
    void clear();

    int count() const;
    QList<SensorDefinition> definitions() const;
    // The latest value of every sensor, in list order.
    QList<double> latestValues() const;

    // Asks every sensor in list order on the open port, each after a pause of
    // a second, and stores the values that came. On a closed port it does
    // nothing. Values of a pass during which the list was reloaded are dropped.
    // Every exchange is counted into health when it is given.
    void readAll(CSerial &port, LineHealth *health = nullptr);

    // The four main-view slots for the ShowField item list ("0,1,9,..."): a
    // shown sensor's header, value and unit; empty texts for missing sensors.
    // formatNumber turns a number text into the shown one (decimal comma).
    std::array<SensorSlot, kMaxSensors>
    mainViewSlots(const QString &showField, const std::function<QString(const QString &)> &formatNumber) const;

    // The 8-byte Modbus request: the six request bytes and their CRC.
    static void buildRequest(const SensorDefinition &sensor, quint8 *request);
    // The value of a reply of count bytes. False when the value bytes did not
    // arrive (fewer than five bytes).
    static bool replyValue(const SensorDefinition &sensor, const quint8 *reply, int count, double &value);
    // What the line health makes of a reply of count bytes (a one-register read).
    static ReplyCheck replyCheck(const SensorDefinition &sensor, const quint8 *reply, int count);

private:
    // The reply byte count of one sensor's exchange.
    static int exchange(CSerial &port, const SensorDefinition &sensor, quint8 *reply, LineHealth *health);

    mutable QMutex m_mutex;
    QList<SensorDefinition> m_sensors;
    QList<double> m_values;
    quint64 m_generation = 0; // counts loads, so that a pass notices a reload
};
