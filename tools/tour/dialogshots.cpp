#include "tourshots.h"

#include "ui/cmain.h"

#include <QAction>
#include <QDialog>
#include <QTabWidget>

namespace TourShots {

namespace {

// Opens a dialog through a slot of the window; the shot waits for it and the tour closes it after the grab.
Shot dialogShot(const char *name, void (CMain::*open)())
{
    return {QLatin1String(name), [open](CMain &window) { later(window, [&window, open] { (window.*open)(); }); },
            [](CMain &) { return modal<QDialog>() != nullptr; }};
}

// The same for a dialog that only an action of the window opens.
Shot actionShot(const char *name, const char *action)
{
    return {
        QLatin1String(name),
        [action](CMain &window) { later(window, [&window, action] { child<QAction>(window, action)->trigger(); }); },
        [](CMain &) { return modal<QDialog>() != nullptr; }};
}

} // namespace

QList<Shot> dialogs()
{
    Shot mainView = dialogShot("main-view-configuration", &CMain::menu_mainViewConfig);
    const auto open = mainView.prepare;
    // Behind the dialogs: the dashboard with today's energy, as on the tabs tour.
    mainView.prepare = [open](CMain &window) {
        showPlantDashboard(window);
        open(window);
    };
    mainView.ready = [](CMain &window) { return modal<QDialog>() && dashboardShowsTodaysEnergy(window); };
    mainView.keepDialogs = true;
    return {
        mainView,
        // Its second page: the fields' places on the dashboard.
        {QStringLiteral("main-view-arrangement"),
         [](CMain &) {
             if (QDialog *dialog = modal<QDialog>())
                 child<QTabWidget>(*dialog, "tabWidget")->setCurrentIndex(1);
         }},
        actionShot("font-settings", "actionFont_Settings"),
        dialogShot("background", &CMain::on_actionBackground_Graphics_triggered),
        dialogShot("alarm", &CMain::menu_alarm),
        actionShot("sensor-settings", "actionSensor_Settings"),
        actionShot("mqtt", "actionMQTT"),
        dialogShot("com-port", &CMain::menu_com_setting),
        dialogShot("search", &CMain::menu_search_inverter),
        dialogShot("about", &CMain::show_about),
    };
}

} // namespace TourShots
