#include "monitor/searchresult.h"

#include "base/appsettings.h"
#include "monitor/programstate.h"

#include <QStringList>
#include <memory>

QString addressListText(const QList<int> &addresses)
{
    QStringList parts;
    for (int address : addresses)
        parts << QString::number(address);
    return parts.join(QLatin1Char(','));
}

bool save_search_result(const QList<int> &found)
{
    ProgramState::instance().addressTable().assign(found);

    QSettings *programSettings = ProgramState::instance().settings();
    const std::unique_ptr<AppSettings> settings =
        programSettings ? std::make_unique<AppSettings>(*programSettings) : std::make_unique<AppSettings>();
    settings->setValue(Setting::INV_ADDR, addressListText(found));
    settings->sync();
    return settings->status() == QSettings::NoError;
}
