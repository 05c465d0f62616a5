#include "tourshots.h"

#include "device/keyparametercodes.h"
#include "ui/cmain.h"
#include "ui/views/realtimeview.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTableWidget>

namespace TourShots {

namespace {

// Every inverter and sensor of the plant has its row.
bool lineHealthShown(const CMain &window)
{
    const auto *dialog = child<QDialog>(window, "LineHealthDialog");
    return dialog->isVisible() && child<QTableWidget>(*dialog, "tableLineHealth")->rowCount() >= 6;
}

} // namespace

QList<Shot> lineHealth()
{
    return {
        {QStringLiteral("line-health"),
         [](CMain &window) {
             window.jump_view1();
             child<QAction>(window, "actionLine_health")->trigger();
         },
         lineHealthShown},
        {QStringLiteral("line-health-information"),
         [](CMain &window) { showInverterPage(window, QLatin1String(kEur3Serial), RealTimeView::InformationPage); },
         [](const CMain &window) { return !child<QLineEdit>(window, "leLinkQuality")->text().isEmpty(); }},
        {QStringLiteral("key-parameters-link-quality"),
         [](CMain &window) {
             window.jump_view2();
             // By its code: the choice's text is the language's.
             child<QComboBox>(window, "cb4")
                 ->setCurrentIndex(KeyParameterCodes::keyParamCodes().indexOf(KeyParameterCodes::kLinkQuality));
         }},
    };
}

} // namespace TourShots
