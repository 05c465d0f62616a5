#pragma once

#include "screenshottour.h"

#include <QApplication>
#include <QList>
#include <QObject>
#include <functional>

class CMain;
class ProgramState;
class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// The shots of the screenshot tours, one list per part of the window, and the
// small steps they are made of. The serial numbers are those of the
// simulator's mixed plant, which the demo's history also uses.
namespace TourShots {

using Shot = ScreenshotTour::Shot;

// The six tabs, the history tabs queried on the plant's past days.
QList<Shot> tabs();
// The three sub-pages of the real-time tab for the EUR inverter (the password
// typed into its dialog) and the Key parameters tab.
QList<Shot> realTime();
// A parameter of the EUR inverter changed on the parameter page and read back.
QList<Shot> parameterChange();
// Each configuration dialog over the window.
QList<Shot> dialogs();
// The configuration wizard from a directory without port or inverters to monitoring,
// until the program's state has a record of every inverter in its address table.
QList<Shot> wizard(ProgramState &state);
// The line health: its window over the real-time tab, the three-string EUR
// inverter's information page, and its link quality among the key parameters.
QList<Shot> lineHealth();

extern const char *const kEurSerial;  // address 1
extern const char *const kEur3Serial; // address 2, three strings; a poor cable on the line-health tour
extern const char *const kUsa0Serial; // address 3, with an isolation error every hour
extern const char *const kUsa1Serial; // address 4, the largest

// Runs a step from the event loop: one that opens a modal dialog returns only when the dialog closes.
void later(CMain &window, std::function<void()> step);
// The window's child of that type and object name; the tour cannot go on when the form lost it.
template<typename T>
T *child(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("Screenshots: the window has no %s", name);
    return found;
}
// The modal dialog in front, when it is a T.
template<typename T>
T *modal()
{
    return qobject_cast<T *>(QApplication::activeModalWidget());
}
// Chooses the entry with that text; false when there is none.
bool choose(QComboBox *box, const QString &text);
// The tree's item of the inverter with that serial number, or null.
QTreeWidgetItem *inverterItem(const QTreeWidget &tree, const QString &serial);
// Shows the real-time tab with the inverter chosen in its tree and the sub-page at the index.
void showInverterPage(CMain &window, const QString &serial, int page);
// The Main tab, its "Power Generation" taken from the EUR inverter.
void showPlantDashboard(CMain &window);
bool dashboardShowsTodaysEnergy(const CMain &window);

} // namespace TourShots
