#include "link/searchresult.h"

#include "app/programstate.h"
#include "base/appsettings.h"

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
