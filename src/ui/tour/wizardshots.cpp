#include "ui/tour/tourshots.h"

#include "monitor/programstate.h"
#include "ui/cmain.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/monitorcontrol.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace TourShots {

namespace {

QConfigWizard *wizardAt(int page)
{
    QConfigWizard *wizard = modal<QConfigWizard>();
    return wizard && wizard->currentId() == page ? wizard : nullptr;
}

void next(QWizard::WizardButton which)
{
    if (QConfigWizard *wizard = modal<QConfigWizard>())
        wizard->button(which)->click();
}

int treeInverterCount(const CMain &window)
{
    int count = 0;
    const QTreeWidget &tree = *child<QTreeWidget>(window, "treeInverters");
    for (int group = 0; group < tree.topLevelItemCount(); ++group)
        count += tree.topLevelItem(group)->childCount();
    return count;
}

} // namespace

QList<Shot> wizard()
{
    using Wizard = QConfigWizard;
    return {
        {QStringLiteral("wizard-port"), [](CMain &window) { later(window, [&window] { window.confWizardShow(); }); },
         [](CMain &) { return wizardAt(Wizard::IntroductionPage) != nullptr; }, true},
        // Next tests the port.
        {QStringLiteral("wizard-search"), [](CMain &) { next(QWizard::NextButton); },
         [](CMain &) { return wizardAt(Wizard::SearchPage) != nullptr; }, true},
        {QStringLiteral("wizard-search-done"),
         [](CMain &) {
             if (Wizard *wizard = wizardAt(Wizard::SearchPage))
                 child<QPushButton>(*wizard, "btnSearch")->click();
         },
         [](CMain &) {
             Wizard *wizard = wizardAt(Wizard::SearchPage);
             return wizard && wizard->button(QWizard::NextButton)->isEnabled();
         },
         true},
        {QStringLiteral("wizard-finish"),
         [](CMain &) {
             next(QWizard::NextButton);
             if (Wizard *wizard = wizardAt(Wizard::FinishPage))
                 child<QCheckBox>(*wizard, "cbStartMonitoring")->setChecked(true);
         },
         [](CMain &) { return wizardAt(Wizard::FinishPage) != nullptr; }, true},
        // Finish fills the address table; the window starts monitoring.
        {QStringLiteral("wizard-monitoring"), [](CMain &) { next(QWizard::FinishButton); },
         [](const CMain &window) {
             return !modal<QDialog>() && child<QLabel>(window, "stateLabel")->text() == MonitorControl::tr("Monitoring...") &&
                    ProgramState::instance().devices().snapshotSize() ==
                        ProgramState::instance().addressTable().size();
         }},
        {QStringLiteral("wizard-inverters"), [](CMain &window) { window.jump_view1(); },
         [](const CMain &window) {
             return treeInverterCount(window) == ProgramState::instance().addressTable().size();
         }},
    };
}

} // namespace TourShots
