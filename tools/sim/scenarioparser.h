#pragma once

#include "scenario.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <optional>

// Checks a scenario's JSON field by field and builds the Scenario. Every
// problem is collected as "<field path>: <message>"; unknown fields count as
// problems, so that a misspelt fault or register never passes silently.
class ScenarioParser
{
public:
    explicit ScenarioParser(QStringList *errors)
        : m_errors(errors)
    {}

    std::optional<Scenario> parse(const QJsonObject &json);
    // A fault type's name in the scenario ("wrongCrc").
    static QString faultName(FaultSpec::Type type);

private:
    void error(const QString &path, const QString &message);
    void checkKeys(const QJsonObject &object, const QString &path, const QStringList &allowed);
    QJsonObject object(const QJsonValue &value, const QString &path);
    // The objects of the list under key, each parsed by parse(object, path, index).
    template<typename Item, typename Parse>
    QVector<Item> list(const QJsonObject &object, const QString &path, const char *key, Parse parse);

    // False, with an error, when the value at key lies outside min to max.
    bool inRange(double value, const QString &path, const QString &key, double min, double max);
    double number(const QJsonObject &object, const QString &path, const QString &key, double fallback, double min,
                  double max);
    int integer(const QJsonObject &object, const QString &path, const QString &key, int fallback, int min, int max,
                bool required = false);
    QString text(const QJsonObject &object, const QString &path, const QString &key, const QString &fallback,
                 bool required = false);
    int timeOfDay(const QJsonObject &object, const QString &path, const QString &key, int fallback);
    DaylightCurve curve(const QJsonObject &object, const QString &path);
    TimeWindow window(const QJsonObject &object, const QString &path);
    int registerNumber(const QString &key, const QString &path);
    quint16 word(const QJsonValue &value, const QString &path);
    ValueSpec value(const QJsonValue &value, const QString &path);
    QString identityText(const QJsonObject &object, const QString &path, const QString &key, const QString &fallback,
                         bool required);

    LineSpec line(const QJsonObject &object, const QString &path);
    InverterSpec inverter(const QJsonObject &object, const QString &path, int index);
    LiveSpec live(const QJsonObject &object, const QString &path);
    ScheduleSpec schedule(const QJsonObject &object, const QString &path);
    FaultSpec fault(const QJsonObject &object, const QString &path, bool forSensor);
    SensorSpec sensor(const QJsonObject &object, const QString &path);
    void checkSensorDevices(const QVector<SensorSpec> &sensors);

    QStringList *m_errors;
    int m_errorCount = 0;
};
