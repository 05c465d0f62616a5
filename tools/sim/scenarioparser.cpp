#include "scenarioparser.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace {

const QStringList kTopKeys = {"description", "seed", "line", "inverters", "sensors"};
const QStringList kLineKeys = {"turnaroundMs", "gapMs", "baud"};
const QStringList kInverterKeys = {"name", "address",  "versionw3",    "model",          "typeNo",          "brand",
                                   "type", "serial",   "serialNumber", "currentVersion", "sequenceVersion", "registers",
                                   "live", "schedule", "faults"};
const QStringList kLiveKeys = {"peakPower", "sunrise",    "sunset", "pvVoltage", "acVoltage",
                               "frequency", "efficiency", "energy", "hours",     "temperature"};
const QStringList kWindowKeys = {"from", "to", "every"};
const QStringList kSensorKeys = {"slave", "register", "value", "crcOrder", "byteOrder", "faults"};
const QList<int> kBaudRates = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
constexpr int kTextLength = 16;

struct FaultName
{
    const char *name;
    FaultSpec::Type type;
    QStringList parameters;
    bool forSensors;
};

const QVector<FaultName> &faultNames()
{
    using T = FaultSpec::Type;
    static const QVector<FaultName> names = {
        {"silent", T::Silent, {"probability"}, true},
        {"slow", T::Slow, {"delayMs", "probability"}, true},
        {"short", T::Short, {"bytes", "probability"}, true},
        {"garbled", T::Garbled, {"probability"}, true},
        {"wrongCrc", T::WrongCrc, {"probability"}, true},
        {"silentMidBlock", T::SilentMidBlock, {"after"}, false},
        {"serialText", T::SerialText, {"text"}, false},
        {"versionw3", T::VersionW3, {"value"}, false},
        {"echo", T::Echo, {}, false},
        {"flood", T::Flood, {"bytesPerSecond"}, false},
        {"wrongBurnEcho", T::WrongBurnEcho, {}, false},
        {"identityNoise", T::IdentityNoise, {}, false},
        {"noSerialAfterBurn", T::NoSerialAfterBurn, {}, false},
    };
    return names;
}

QString at(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + "." + key;
}

QString item(const QString &path, int index)
{
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

} // namespace

void ScenarioParser::error(const QString &path, const QString &message)
{
    ++m_errorCount;
    if (m_errors)
        m_errors->append(path.isEmpty() ? message : path + ": " + message);
}

void ScenarioParser::checkKeys(const QJsonObject &object, const QString &path, const QStringList &allowed)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            error(at(path, it.key()), QStringLiteral("unknown field"));
    }
}

QJsonObject ScenarioParser::object(const QJsonValue &value, const QString &path)
{
    if (!value.isObject()) {
        error(path, QStringLiteral("must be an object"));
        return {};
    }
    return value.toObject();
}

template<typename Item, typename Parse>
QVector<Item> ScenarioParser::list(const QJsonObject &object, const QString &path, const char *key, Parse parse)
{
    QVector<Item> items;
    if (!object.contains(QLatin1String(key)))
        return items;
    const QString listPath = at(path, QLatin1String(key));
    if (!object.value(QLatin1String(key)).isArray())
        error(listPath, QStringLiteral("must be a list"));
    const QJsonArray entries = object.value(QLatin1String(key)).toArray();
    for (int i = 0; i < entries.size(); ++i)
        items << parse(this->object(entries.at(i), item(listPath, i)), item(listPath, i), i);
    return items;
}

bool ScenarioParser::inRange(double value, const QString &path, const QString &key, double min, double max)
{
    if (value >= min && value <= max)
        return true;
    error(at(path, key), QStringLiteral("must be between %1 and %2").arg(min, 0, 'g', 10).arg(max, 0, 'g', 10));
    return false;
}

double ScenarioParser::number(const QJsonObject &object, const QString &path, const QString &key, double fallback,
                              double min, double max)
{
    if (!object.contains(key))
        return fallback;
    const QJsonValue value = object.value(key);
    if (!value.isDouble()) {
        error(at(path, key), QStringLiteral("must be a number"));
        return fallback;
    }
    return inRange(value.toDouble(), path, key, min, max) ? value.toDouble() : fallback;
}

int ScenarioParser::integer(const QJsonObject &object, const QString &path, const QString &key, int fallback, int min,
                            int max, bool required)
{
    if (!object.contains(key)) {
        if (required)
            error(at(path, key), QStringLiteral("is missing"));
        return fallback;
    }
    const QJsonValue value = object.value(key);
    if (!value.isDouble() || value.toDouble() != std::floor(value.toDouble())) {
        error(at(path, key), QStringLiteral("must be a whole number"));
        return fallback;
    }
    return inRange(value.toDouble(), path, key, min, max) ? int(value.toDouble()) : fallback;
}

QString ScenarioParser::text(const QJsonObject &object, const QString &path, const QString &key,
                             const QString &fallback, bool required)
{
    if (!object.contains(key)) {
        if (required)
            error(at(path, key), QStringLiteral("is missing"));
        return fallback;
    }
    if (!object.value(key).isString()) {
        error(at(path, key), QStringLiteral("must be a text"));
        return fallback;
    }
    return object.value(key).toString();
}

int ScenarioParser::timeOfDay(const QJsonObject &object, const QString &path, const QString &key, int fallback)
{
    if (!object.contains(key))
        return fallback;
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(object.value(key).toString());
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    if (!object.value(key).isString() || !match.hasMatch() || hours > 23 || minutes > 59) {
        error(at(path, key), QStringLiteral("must be a time of day \"hh:mm\""));
        return fallback;
    }
    return hours * 3600 + minutes * 60;
}

DaylightCurve ScenarioParser::curve(const QJsonObject &object, const QString &path)
{
    const DaylightCurve defaults;
    const int sunrise = timeOfDay(object, path, QStringLiteral("sunrise"), defaults.sunrise());
    const int sunset = timeOfDay(object, path, QStringLiteral("sunset"), defaults.sunset());
    if (sunrise >= sunset) {
        error(at(path, QStringLiteral("sunset")), QStringLiteral("must be later than sunrise"));
        return defaults;
    }
    return DaylightCurve(sunrise, sunset);
}

TimeWindow ScenarioParser::window(const QJsonObject &object, const QString &path)
{
    TimeWindow window;
    window.from = number(object, path, QStringLiteral("from"), 0.0, 0.0, 1e9);
    window.to = number(object, path, QStringLiteral("to"), -1.0, 0.0, 1e9);
    window.every = number(object, path, QStringLiteral("every"), -1.0, 0.001, 1e9);
    if (object.contains("to") && window.to >= 0 && window.to <= window.from)
        error(at(path, QStringLiteral("to")), QStringLiteral("must be later than from"));
    if (object.contains("every") && window.every > 0) {
        if (window.to < 0)
            error(at(path, QStringLiteral("every")), QStringLiteral("needs a \"to\""));
        else if (window.every < window.to - window.from)
            error(at(path, QStringLiteral("every")), QStringLiteral("must be at least to - from"));
    }
    return window;
}

int ScenarioParser::registerNumber(const QString &key, const QString &path)
{
    bool ok = false;
    const int reg =
        key.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? key.mid(2).toInt(&ok, 16) : key.toInt(&ok, 10);
    if (!ok || reg < 0 || reg > 0xFFFF) {
        error(at(path, key), QStringLiteral("is not a register number (0 to 65535, decimal or 0x hex)"));
        return -1;
    }
    return reg;
}

quint16 ScenarioParser::word(const QJsonValue &value, const QString &path)
{
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < -32768 || number > 65535) {
        error(path, QStringLiteral("must be a whole number from -32768 to 65535"));
        return 0;
    }
    return ValueSpec::toWord(number);
}

ValueSpec ScenarioParser::value(const QJsonValue &json, const QString &path)
{
    if (!json.isObject())
        return ValueSpec::constant(word(json, path));
    const QJsonObject definition = json.toObject();
    const QString function = definition.value("function").toString();
    if (function == QLatin1String("daylight")) {
        checkKeys(definition, path, {"function", "peak", "offset", "sunrise", "sunset"});
        return ValueSpec::daylight(curve(definition, path), number(definition, path, "peak", 1000.0, -1e6, 1e6),
                                   number(definition, path, "offset", 0.0, -1e6, 1e6));
    }
    if (function == QLatin1String("energyHigh") || function == QLatin1String("energyLow")) {
        checkKeys(definition, path, {"function", "energy", "peak", "sunrise", "sunset"});
        return ValueSpec::energy(function == QLatin1String("energyHigh") ? ValueSpec::Kind::EnergyHigh
                                                                         : ValueSpec::Kind::EnergyLow,
                                 curve(definition, path), number(definition, path, "peak", 3000.0, 0.0, 1e6),
                                 number(definition, path, "energy", 0.0, 0.0, 6.5e7));
    }
    error(at(path, QStringLiteral("function")),
          QStringLiteral("must be \"daylight\", \"energyHigh\" or \"energyLow\""));
    return {};
}

QString ScenarioParser::identityText(const QJsonObject &object, const QString &path, const QString &key,
                                     const QString &fallback, bool required)
{
    const QString value = text(object, path, key, fallback, required);
    if (value.size() > kTextLength) {
        error(at(path, key), QStringLiteral("has more than %1 characters").arg(kTextLength));
        return fallback;
    }
    for (const QChar c : value) {
        if (c.unicode() > 0xFF) {
            error(at(path, key), QStringLiteral("must hold Latin-1 characters only"));
            return fallback;
        }
    }
    return value;
}

LineSpec ScenarioParser::line(const QJsonObject &object, const QString &path)
{
    checkKeys(object, path, kLineKeys);
    LineSpec line;
    line.turnaroundMs = number(object, path, "turnaroundMs", line.turnaroundMs, 0.0, 1000.0);
    line.gapMs = number(object, path, "gapMs", line.gapMs, 0.5, 100.0);
    line.baud = integer(object, path, "baud", 0, 0, 115200);
    if (line.baud != 0 && !kBaudRates.contains(line.baud))
        error(at(path, "baud"), QStringLiteral("must be one of 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200"));
    return line;
}

LiveSpec ScenarioParser::live(const QJsonObject &object, const QString &path)
{
    checkKeys(object, path, kLiveKeys);
    LiveSpec live;
    live.curve = curve(object, path);
    live.peakPower = number(object, path, "peakPower", live.peakPower, 0.0, 60000.0);
    live.pvVoltage = number(object, path, "pvVoltage", live.pvVoltage, 1.0, 1000.0);
    live.acVoltage = number(object, path, "acVoltage", live.acVoltage, 1.0, 1000.0);
    live.frequency = number(object, path, "frequency", live.frequency, 40.0, 70.0);
    live.efficiency = number(object, path, "efficiency", live.efficiency, 0.5, 1.0);
    live.energy = number(object, path, "energy", live.energy, 0.0, 6.5e7);
    live.hours = number(object, path, "hours", live.hours, 0.0, 65000.0);
    live.temperature = number(object, path, "temperature", live.temperature, -40.0, 150.0);
    return live;
}

ScheduleSpec ScenarioParser::schedule(const QJsonObject &object, const QString &path)
{
    QStringList keys = kWindowKeys;
    keys << "set";
    checkKeys(object, path, keys);
    ScheduleSpec schedule;
    schedule.window = window(object, path);
    const QString setPath = at(path, "set");
    const QJsonObject set = object.contains("set") ? this->object(object.value("set"), setPath) : QJsonObject();
    if (set.isEmpty())
        error(setPath, QStringLiteral("must set at least one register"));
    static const QMap<QString, int> names = {
        {"state", 181}, {"err1", 182}, {"err2", 183}, {"err3", 184}, {"err4", 185}};
    for (auto it = set.begin(); it != set.end(); ++it) {
        const int reg = names.contains(it.key()) ? names.value(it.key()) : registerNumber(it.key(), setPath);
        const quint16 value = word(it.value(), at(setPath, it.key()));
        if (reg >= 0)
            schedule.set.insert(reg, value);
    }
    return schedule;
}

FaultSpec ScenarioParser::fault(const QJsonObject &object, const QString &path, bool forSensor)
{
    FaultSpec fault;
    const QString type = object.value("type").toString();
    const auto names = faultNames();
    const auto found = std::find_if(names.begin(), names.end(), [&](const FaultName &n) { return type == n.name; });
    if (found == names.end() || (forSensor && !found->forSensors)) {
        QStringList known;
        for (const FaultName &name : names) {
            if (!forSensor || name.forSensors)
                known << name.name;
        }
        error(at(path, "type"), QStringLiteral("must be one of %1").arg(known.join(", ")));
        return fault;
    }
    fault.type = found->type;
    checkKeys(object, path, QStringList{"type"} + kWindowKeys + found->parameters);
    fault.window = window(object, path);
    fault.delayMs = integer(object, path, "delayMs", fault.delayMs, 0, 60000);
    fault.bytes = integer(object, path, "bytes", fault.bytes, 0, 255);
    fault.after = integer(object, path, "after", fault.after, 0, 100);
    fault.bytesPerSecond = integer(object, path, "bytesPerSecond", fault.bytesPerSecond, 1, 10000);
    fault.probability = number(object, path, "probability", fault.probability, 0.0, 1.0);
    if (fault.type == FaultSpec::Type::SerialText)
        fault.text = identityText(object, path, "text", QString(), true);
    if (fault.type == FaultSpec::Type::VersionW3)
        fault.value = integer(object, path, "value", 0, 0, 65535, true);
    return fault;
}

QString ScenarioParser::faultName(FaultSpec::Type type)
{
    for (const FaultName &name : faultNames()) {
        if (name.type == type)
            return QLatin1String(name.name);
    }
    return QString();
}

InverterSpec ScenarioParser::inverter(const QJsonObject &object, const QString &path, int index)
{
    checkKeys(object, path, kInverterKeys);
    InverterSpec inverter;
    inverter.address = integer(object, path, "address", 1, 1, 255, true);
    inverter.versionw3 = integer(object, path, "versionw3", 0, 0, 65535);
    inverter.model = integer(object, path, "model", 0, 0, 65535);
    inverter.typeNo = integer(object, path, "typeNo", 0, 0, 65535);
    inverter.brand = identityText(object, path, "brand", inverter.brand, false);
    inverter.type = identityText(object, path, "type", QString(), false);
    inverter.serial = identityText(object, path, "serial", QString(), true);
    inverter.name = text(object, path, "name", inverter.serial.isEmpty() ? item("inverter", index) : inverter.serial);
    inverter.currentVersion = int(std::lround(100 * number(object, path, "currentVersion", 1.0, 0.0, 655.35)));
    inverter.sequenceVersion = int(std::lround(100 * number(object, path, "sequenceVersion", 1.0, 0.0, 655.35)));

    if (object.contains("serialNumber")) {
        const QJsonArray words = object.value("serialNumber").toArray();
        if (!object.value("serialNumber").isArray() || words.size() != 2) {
            error(at(path, "serialNumber"), QStringLiteral("must be two words [high, low]"));
        } else {
            inverter.serialHigh = word(words.at(0), item(at(path, "serialNumber"), 0));
            inverter.serialLow = word(words.at(1), item(at(path, "serialNumber"), 1));
        }
    }
    if (object.contains("registers")) {
        const QString registersPath = at(path, "registers");
        const QJsonObject registers = this->object(object.value("registers"), registersPath);
        for (auto it = registers.begin(); it != registers.end(); ++it) {
            const int reg = registerNumber(it.key(), registersPath);
            const ValueSpec definition = value(it.value(), at(registersPath, it.key()));
            if (reg >= 0)
                inverter.registers.insert(reg, definition);
        }
    }
    if (object.contains("live"))
        inverter.live = live(this->object(object.value("live"), at(path, "live")), at(path, "live"));
    inverter.schedule = list<ScheduleSpec>(
        object, path, "schedule", [this](const QJsonObject &o, const QString &p, int) { return schedule(o, p); });
    inverter.faults = list<FaultSpec>(
        object, path, "faults", [this](const QJsonObject &o, const QString &p, int) { return fault(o, p, false); });
    return inverter;
}

SensorSpec ScenarioParser::sensor(const QJsonObject &object, const QString &path)
{
    checkKeys(object, path, kSensorKeys);
    SensorSpec sensor;
    sensor.slave = integer(object, path, "slave", 1, 1, 247, true);
    sensor.reg = integer(object, path, "register", 0, 0, 65535, true);
    if (object.contains("value"))
        sensor.value = value(object.value("value"), at(path, "value"));
    else
        error(at(path, "value"), QStringLiteral("is missing"));
    const QString crcOrder = text(object, path, "crcOrder", "lowFirst");
    const QString byteOrder = text(object, path, "byteOrder", "highFirst");
    if (crcOrder != QLatin1String("lowFirst") && crcOrder != QLatin1String("highFirst"))
        error(at(path, "crcOrder"), QStringLiteral("must be \"lowFirst\" or \"highFirst\""));
    if (byteOrder != QLatin1String("lowFirst") && byteOrder != QLatin1String("highFirst"))
        error(at(path, "byteOrder"), QStringLiteral("must be \"lowFirst\" or \"highFirst\""));
    sensor.crcHighFirst = crcOrder == QLatin1String("highFirst");
    sensor.lowByteFirst = byteOrder == QLatin1String("lowFirst");
    sensor.faults = list<FaultSpec>(object, path, "faults",
                                    [this](const QJsonObject &o, const QString &p, int) { return fault(o, p, true); });
    return sensor;
}

void ScenarioParser::checkSensorDevices(const QVector<SensorSpec> &sensors)
{
    for (int i = 0; i < sensors.size(); ++i) {
        for (int j = 0; j < i; ++j) {
            const SensorSpec &a = sensors.at(j);
            const SensorSpec &b = sensors.at(i);
            if (a.slave != b.slave)
                continue;
            if (a.reg == b.reg)
                error(item("sensors", i), QStringLiteral("register %1 of slave %2 is also defined by sensors[%3]")
                                              .arg(b.reg)
                                              .arg(b.slave)
                                              .arg(j));
            if (a.crcHighFirst != b.crcHighFirst || a.lowByteFirst != b.lowByteFirst)
                error(item("sensors", i),
                      QStringLiteral("slave %1 has other byte or CRC orders in sensors[%2]").arg(b.slave).arg(j));
        }
    }
}

std::optional<Scenario> ScenarioParser::parse(const QJsonObject &json)
{
    m_errorCount = 0;
    checkKeys(json, QString(), kTopKeys);
    Scenario scenario;
    scenario.description = text(json, QString(), "description", QString());
    scenario.seed = quint32(integer(json, QString(), "seed", 1, 0, 2147483647));
    if (json.contains("line"))
        scenario.line = line(object(json.value("line"), "line"), "line");

    scenario.inverters =
        list<InverterSpec>(json, QString(), "inverters",
                           [this](const QJsonObject &o, const QString &p, int i) { return inverter(o, p, i); });
    scenario.sensors = list<SensorSpec>(json, QString(), "sensors",
                                        [this](const QJsonObject &o, const QString &p, int) { return sensor(o, p); });
    checkSensorDevices(scenario.sensors);

    if (m_errorCount > 0)
        return std::nullopt;
    return scenario;
}
