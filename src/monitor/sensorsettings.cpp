#include "monitor/sensorsettings.h"

#include "db/database.h"

namespace {

bool isSet(const DbRow &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).trimmed() == QLatin1String("1");
}

int number(const DbRow &row, const char *column)
{
    return row.value(QString::fromLatin1(column)).trimmed().toInt();
}

} // namespace

QList<SensorDefinition> readSensorSettings()
{
    const DbRows rows = db_query(QStringLiteral("select * from sensor_setting"));
    QList<SensorDefinition> sensors;
    for (const DbRow &row : rows) {
        SensorDefinition sensor;
        const int start = number(row, "start_addr");
        const int registers = number(row, "reg_addr");
        sensor.request = {quint8(number(row, "slave_addr")),
                          0x03,
                          quint8(start >> 8),
                          quint8(start),
                          quint8(registers >> 8),
                          quint8(registers)};
        sensor.factor = row.value(QStringLiteral("multiplier")).trimmed().toDouble();
        // The database holds UTF-8: "°C" stays "°C".
        sensor.header = row.value(QStringLiteral("header"));
        sensor.unit = row.value(QStringLiteral("unit"));
        sensor.op = row.value(QStringLiteral("operator"));
        sensor.crcHighFirst = isSet(row, "append_first");
        sensor.lowByteFirst = isSet(row, "lowbyte_first");
        sensors << sensor;
    }
    return sensors;
}
