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
        sensor.id = number(row, "id");
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

bool addSensorSetting(const SensorDefinition &sensor)
{
    const int start = sensor.request[2] << 8 | sensor.request[3];
    return db_exec(QStringLiteral("insert into sensor_setting (slave_addr,start_addr,reg_addr,operator,multiplier,"
                                  "header,unit,append_first,lowbyte_first) values(?,?,?,?,?,?,?,?,?)"),
                   {int(sensor.request[0]), start, 1, sensor.op, sensor.factor, sensor.header, sensor.unit,
                    sensor.crcHighFirst ? 1 : 0, sensor.lowByteFirst ? 1 : 0}) == 0;
}

bool deleteSensorSetting(int id)
{
    return db_exec(QStringLiteral("delete from sensor_setting where id = ?"), {id}) == 0;
}
