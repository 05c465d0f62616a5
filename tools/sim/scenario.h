#pragma once

#include "daylightcurve.h"
#include "timewindow.h"
#include "valuespec.h"

#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// What goes wrong with one inverter or sensor, during a window of simulated
// time; the reply faults (silent, slow, short, garbled, wrong CRC) strike a
// share of the replies at random.
struct FaultSpec
{
    enum class Type {
        Silent,           // never answers
        Slow,             // answers delayMs later than the line allows
        Short,            // the reply is cut after `bytes` bytes (half of it when bytes < 0)
        Garbled,          // the reply is replaced by random bytes of its length
        WrongCrc,         // the reply's CRC is wrong
        SilentMidBlock,   // answers the first `after` monitoring reads of a pass, then not
        SerialText,       // reports `text` as its serial text
        VersionW3,        // reports `value` as its versionw3
        Echo,             // the line echoes every request to its address before the reply
        Flood,            // sends bytesPerSecond unsolicited random bytes
        WrongBurnEcho,    // answers an address assignment with a wrong echo and keeps its address
        IdentityNoise,    // answers an identity query with noise
        NoSerialAfterBurn // once readdressed, leaves reads of its serial text unanswered
    };

    Type type = Type::Silent;
    TimeWindow window;
    int delayMs = 500;
    int bytes = -1;
    int after = 2;
    QString text;
    int value = 0;
    int bytesPerSecond = 100;
    double probability = 1.0; // the share of replies a reply fault strikes

    static FaultSpec make(Type type)
    {
        FaultSpec fault;
        fault.type = type;
        return fault;
    }
};

// Registers set to constants during a window of simulated time (error words, state code, ...).
struct ScheduleSpec
{
    TimeWindow window;
    QMap<int, quint16> set;
};

// The plant-like monitoring values of one inverter, filled per family.
struct LiveSpec
{
    DaylightCurve curve;
    double peakPower = 3000.0; // W AC at midday
    double pvVoltage = 350.0;  // V per string while producing
    double acVoltage = 230.0;  // V (per phase for USA1)
    double frequency = 50.0;   // Hz
    double efficiency = 0.96;  // AC / DC
    double energy = 1000.0;    // kWh produced before the start
    double hours = 2000.0;     // operating hours before the start
    double temperature = 45.0; // heat sink at midday, C (20 at night)
};

struct InverterSpec
{
    QString name;
    int address = 1;
    int versionw3 = 0;
    int model = 0;
    int typeNo = 0;
    QString brand = QStringLiteral("LUMORA");
    QString type;
    QString serial;
    quint16 serialHigh = 0;
    quint16 serialLow = 0;
    int currentVersion = 100;  // firmware version x 100
    int sequenceVersion = 100; // second firmware version x 100
    QMap<int, ValueSpec> registers;
    std::optional<LiveSpec> live;
    QVector<ScheduleSpec> schedule;
    QVector<FaultSpec> faults;
};

// One register of a Modbus RTU sensor. Entries with the same slave address
// are one device and must agree on their byte and CRC orders.
struct SensorSpec
{
    int slave = 1;
    int reg = 0;
    ValueSpec value;
    bool crcHighFirst = false; // accepts (and sends) the CRC high byte first
    bool lowByteFirst = false; // sends register values low byte first
    QVector<FaultSpec> faults;
};

struct LineSpec
{
    double turnaroundMs = 1.0; // pause between the end of a request and the reply
    double gapMs = 2.0;        // silence that ends a request
    int baud = 0;              // when set, frames at any other rate are not understood
};

// A plant on one serial line, as a scenario file describes it.
struct Scenario
{
    QString description;
    quint32 seed = 1; // of the random bytes and of the reply faults' draws
    LineSpec line;
    QVector<InverterSpec> inverters;
    QVector<SensorSpec> sensors;

    // Validates and converts; on failure every problem goes to errors, each
    // naming the field (for example "inverters[2].faults[0].type: ...").
    static std::optional<Scenario> fromJson(const QJsonObject &json, QStringList *errors);
    // Reads a file; syntax errors name line and column.
    static std::optional<Scenario> load(const QString &path, QStringList *errors);
};
