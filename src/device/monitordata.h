#pragma once

#include <QString>

// How one monitoring register is labelled and scaled: shown value = word x scale.
class MonitorData
{
public:
    MonitorData() = default;
    MonitorData(int reg, const QString &label, const QString &unitText, double factor)
        : registerNo(reg)
        , name(label)
        , unit(unitText)
        , scale(factor)
    {}

    int registerNo = 0;
    QString name;
    QString unit; // may be empty
    double scale = 1;
    QString tooltip; // empty in every built-in entry
};
