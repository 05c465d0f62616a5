#include "benchplant.h"

bool BenchPlant::start(const QString &scenarioFile, bool withDatabase, bool fixedTime, QString *error)
{
    QStringList errors;
    const std::optional<Scenario> loaded = Scenario::load(scenarioFile, &errors);
    if (!loaded) {
        *error = errors.join(QLatin1Char('\n'));
        return false;
    }
    scenario = *loaded;
    if (!appDir.open(withDatabase, error))
        return false;
    if (fixedTime)
        simulator.setFixedTime(QDateTime(QDate(2026, 6, 1), QTime(13, 0)));
    if (!simulator.start(scenario, error))
        return false;
    if (!simulator.link(appDir.file(QStringLiteral("ports/COM%1").arg(BenchAppDir::kPort)))) {
        *error = QStringLiteral("cannot link COM%1 to %2").arg(BenchAppDir::kPort).arg(simulator.ptyPath());
        return false;
    }
    return true;
}
