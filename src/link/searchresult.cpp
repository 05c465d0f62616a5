#include "link/searchresult.h"

#include "app/appsettings.h"
#include "app/programstate.h"

#include <QStringList>

bool save_search_result(const QList<int> &found)
{
    ProgramState::instance().addressTable().assign(found);

    QStringList parts;
    for (int address : found)
        parts << QString::number(address);
    AppSettings settings;
    settings.setValue(Setting::INV_ADDR, parts.join(QLatin1Char(',')));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
