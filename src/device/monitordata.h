#pragma once

#include <QString>

// How one monitoring register is labelled and scaled: shown value = word x scale.
class MonitorData
{
public:
    MonitorData() = default;
    MonitorData(int registerNo, const QString &name, const QString &unit, double scale)
        : registerNo(registerNo)
        , name(name)
        , unit(unit)
        , scale(scale)
    {}

    int registerNo = 0;
    QString name;
    QString unit; // may be empty
    double scale = 1;
    QString tooltip; // empty in every built-in entry
};
