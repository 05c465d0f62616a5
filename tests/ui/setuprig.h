#pragma once

#include "linesimulator.h"
#include "support/tempappdir.h"

#include <QJsonObject>
#include <QList>

class QWidget;

// The serial ports of a test's computer: exactly the given COM numbers exist,
// each linked to /dev/null; every other number is hidden by a link that leads nowhere.
void linkOnlyPorts(const TempAppDir &dir, const QList<int> &ports);

// Writes app.ini keys through a short-lived settings object.
void writeSetting(const QString &key, const QVariant &value);
QVariant readSetting(const QString &key);

// A simulated plant on COM7 of a fresh application directory with its database.
struct SimulatedLine
{
    static constexpr int kPort = 7;

    TempAppDir dir;
    LineSimulator sim;

    bool start(const QJsonObject &scenario);
    bool startFile(const QString &scenarioName); // from tools/sim/scenarios
};

// Clicks the named button of a widget (which must exist and be enabled).
void clickButton(QWidget *parent, const char *name);
