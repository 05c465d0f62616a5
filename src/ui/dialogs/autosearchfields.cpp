#include "ui/dialogs/autosearchfields.h"

#include "base/appsettings.h"

#include <QCheckBox>
#include <QSpinBox>

void AutoSearchFields::load() const
{
    const AppSettings settings;
    enabled->setChecked(settings.intValue(Setting::auto_search, 0) == 1);
    minutes->setValue(settings.intValue(Setting::auto_search_time, 0));
    changeIds->setChecked(settings.intValue(Setting::auto_search_change_id) == 1);
}

void AutoSearchFields::store() const
{
    AppSettings settings;
    settings.setValue(Setting::auto_search, enabled->isChecked() ? 1 : 0);
    settings.setValue(Setting::auto_search_time, minutes->value());
    settings.setValue(Setting::auto_search_change_id, changeIds->isChecked() ? 1 : 0);
}
