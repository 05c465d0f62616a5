#include "tourshots.h"

#include "ui/cmain.h"
#include "ui/dialogs/qpassword.h"
#include "ui/qprogresswin.h"
#include "ui/views/realtimeview.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

namespace TourShots {

namespace {

const char *const kPassword = "53170482";
// The EUR parameter the tour changes, and its new value.
const char *const kParameter = "ONGRID_DELAY";
const char *const kNewValue = "60";

QTableWidget *parameterTable(const CMain &window)
{
    return child<QTableWidget>(window, "table_para");
}

int parameterRow(const CMain &window)
{
    const QTableWidget *table = parameterTable(window);
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == QLatin1String(kParameter))
            return row;
    }
    return -1;
}

QString parameterValue(const CMain &window)
{
    const int row = parameterRow(window);
    const QTableWidgetItem *cell = row >= 0 ? parameterTable(window)->item(row, 1) : nullptr;
    return cell ? cell->text() : QString();
}

// The page shows the new value as a polling cycle read it (two decimals, with the language's decimal
// mark; the save itself writes it plain).
bool readBack(const CMain &window)
{
    const QString value = parameterValue(window);
    return value.startsWith(QLatin1String(kNewValue) + QLatin1String(".00"))
        || value.startsWith(QLatin1String(kNewValue) + QLatin1String(",00"));
}

// The parameter page asks for the password: the shot shows it typed.
QList<Shot> parameterPage()
{
    return {
        {QStringLiteral("parameter-password"),
         [](CMain &window) {
             showInverterPage(window, QLatin1String(kEurSerial), RealTimeView::InformationPage);
             later(window, [&window] {
                 child<QTabWidget>(window, "realTimeSubTab")->setCurrentIndex(RealTimeView::ParameterPage);
             });
         },
         [](CMain &) {
             auto *password = modal<QPassword>();
             if (password)
                 child<QLineEdit>(*password, "lePwd")->setText(QLatin1String(kPassword));
             return password != nullptr;
         },
         true},
        {QStringLiteral("parameter-configuration"),
         [](CMain &) {
             if (auto *password = modal<QPassword>())
                 child<QPushButton>(*password, "btnOK")->click();
         },
         [](const CMain &window) { return !parameterValue(window).isEmpty(); }},
    };
}

} // namespace

QList<Shot> realTime()
{
    QList<Shot> shots = {
        {QStringLiteral("information"),
         [](CMain &window) { showInverterPage(window, QLatin1String(kEurSerial), RealTimeView::InformationPage); }},
        {QStringLiteral("real-time-display"),
         [](CMain &window) { showInverterPage(window, QLatin1String(kEurSerial), RealTimeView::RealTimePage); }},
    };
    shots << parameterPage();
    shots << Shot{QStringLiteral("key-parameters"), [](CMain &window) { window.jump_view2(); }};
    return shots;
}

QList<Shot> parameterChange()
{
    QList<Shot> shots = parameterPage();
    shots << Shot{QStringLiteral("parameter-new-value"), [](CMain &window) {
                      QTableWidget *table = parameterTable(window);
                      const int row = parameterRow(window);
                      if (row < 0)
                          return;
                      table->setCurrentCell(row, 1);
                      window.device_parameter_click(table->item(row, 1));
                      child<QLineEdit>(window, "edNewValue")->setText(QLatin1String(kNewValue));
                  }};
    // Saving shows the progress window until the polling cycle after the write.
    shots << Shot{QStringLiteral("parameter-saving"),
                  [](CMain &window) { later(window, [&window] { window.save_device_parameter(); }); },
                  [](const CMain &window) { return modal<QProgressWin>() || readBack(window); }, true};
    shots << Shot{QStringLiteral("parameter-read-back"), [](CMain &) {},
                  [](const CMain &window) { return !modal<QProgressWin>() && readBack(window); }};
    return shots;
}

} // namespace TourShots
