#pragma once

#include "base/settingskeys.h"
#include "db/database.h"
#include "linesimulator.h"
#include "monitor/qpollingthread.h"
#include "support/manualclock.h"
#include "support/tempappdir.h"

#include <QDateTime>
#include <functional>

// A polling thread on a simulated plant: a temporary application directory
// with a real database, the simulator linked as ports/COM7 at 38400 baud, and
// the program's clock in the test's hand (the thread's pauses pass at once).
class PollingRig
{
public:
    static constexpr int kPort = 7;
    static constexpr int kBaud = 38400;
    // One EUR inverter at address 1; register 1 holds 4660.
    static const QByteArray kOneInverter;
    // The mixed plant's four inverters (EUR two-string, EUR model 460, USA0,
    // USA1) with fixed words, and its two sensors with fixed values.
    static const QByteArray kMixedPlant;

    explicit PollingRig(const QDateTime &start = QDateTime(QDate(2026, 6, 1), QTime(13, 0)));
    ~PollingRig();

    // Starts the plant of a scenario and sets the line and the address table;
    // false (with a warning) when the scenario or the link fails.
    bool startPlant(const QByteArray &scenario, const QList<int> &addresses);
    // Writes app.ini keys read by the thread when it starts.
    void setSetting(const SettingKey &key, int value);
    // A sensor_setting row (request: slave, start register, one register) and a reload of the sensor list.
    void addSensor(int slave, int start, const QString &op, double factor, bool crcHighFirst, bool lowByteFirst,
                   const QString &header = QStringLiteral("S"), const QString &unit = QStringLiteral("u"));

    // Runs the thread until it has emitted polling_ok `cycles` times, then stops
    // it. perCycle runs in the polling thread at each polling_ok with the cycle
    // number (1, 2, ...). False when the thread did not finish within timeoutMs.
    bool run(int cycles, const std::function<void(int)> &perCycle = {}, int timeoutMs = 60000);
    // Until the polling thread's database writer has written everything handed over.
    bool written() { return thread.databaseWriter().waitUntilWritten(20000); }
    // A perCycle for run() that moves the clock so that every cycle begins a minute after
    // the one before, and each one records; also runs first.
    std::function<void(int)> minuteCycles(const std::function<void(int)> &also = {});
    // Called on the simulator's thread with every inverter or sensor request heard.
    void onRequest(const std::function<void(const QByteArray &frame)> &handler);
    // How many requests the simulator heard for an inverter address, or for sensors with address 0.
    int requestsTo(int address) const;

    // The words recorded for an inverter of the plant: registers 186 to 270
    // (270 is register 1 of the information read), or 186 to 215 for USA1.
    QString expectedMonitorData(int inverter, bool usa1) const;

    // One column of rows; rows as a header of their columns and a line of values each.
    static QStringList column(const DbRows &rows, const QString &name);
    static QString rowsText(const DbRows &rows);

    DbRows inverterRows() const;
    DbRows logRows() const;
    QString logText() const;

    TempAppDir dir;
    ManualClock clock;
    LineSimulator sim;
    QPollingThread thread;
};
