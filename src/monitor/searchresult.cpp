#include "monitor/searchresult.h"

#include "base/appsettings.h"
#include "monitor/programstate.h"

#include <QStringList>
#include <memory>

bool save_search_result(const QList<int> &found)
{
    ProgramState::instance().addressTable().assign(found);

    QStringList parts;
    for (int address : found)
        parts << QString::number(address);
    QSettings *programSettings = ProgramState::instance().settings();
    const std::unique_ptr<AppSettings> settings =
        programSettings ? std::make_unique<AppSettings>(*programSettings) : std::make_unique<AppSettings>();
    settings->setValue(Setting::INV_ADDR, parts.join(QLatin1Char(',')));
    settings->sync();
    return settings->status() == QSettings::NoError;
}
