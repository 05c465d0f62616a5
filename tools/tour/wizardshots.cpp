#include "tourshots.h"

#include "monitor/programstate.h"
#include "ui/cmain.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/monitorcontrol.h"
#include "ui/views/qmylabel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

namespace TourShots {

namespace {

// The window's wizard when it is open on that page.
QConfigWizard *wizardAt(const CMain &window, int page)
{
    auto *wizard = window.findChild<QConfigWizard *>();
    return wizard && wizard->isVisible() && wizard->currentId() == page ? wizard : nullptr;
}

void press(const CMain &window, QWizard::WizardButton which)
{
    if (auto *wizard = window.findChild<QConfigWizard *>(); wizard && wizard->isVisible())
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
         // The port of the simulated plant is chosen as a user would.
         [](const CMain &window) {
             Wizard *wizard = wizardAt(window, Wizard::IntroductionPage);
             return wizard && choose(child<QComboBox>(*wizard, "cbCOM"), QStringLiteral("COM7"));
         },
         true},
        // Next tests the port.
        {QStringLiteral("wizard-search"), [](CMain &window) { press(window, QWizard::NextButton); },
         [](const CMain &window) { return wizardAt(window, Wizard::SearchPage) != nullptr; }, true},
        // The search first asks whether inverters that share an address get new ones.
        {QStringLiteral("wizard-search-question"),
         [](CMain &window) {
             if (Wizard *wizard = wizardAt(window, Wizard::SearchPage))
                 later(window, [wizard] { child<QPushButton>(*wizard, "btnSearch")->click(); });
         },
         [](CMain &) { return modal<QMessageBox>() != nullptr; }, true},
        {QStringLiteral("wizard-search-done"),
         [](CMain &) {
             if (QMessageBox *question = modal<QMessageBox>())
                 question->button(QMessageBox::Yes)->click();
         },
         [](const CMain &window) {
             Wizard *wizard = wizardAt(window, Wizard::SearchPage);
             return wizard && wizard->button(QWizard::NextButton)->isEnabled();
         },
         true},
        {QStringLiteral("wizard-finish"),
         [](CMain &window) {
             press(window, QWizard::NextButton);
             if (Wizard *wizard = wizardAt(window, Wizard::FinishPage))
                 child<QCheckBox>(*wizard, "cbStartMonitoring")->setChecked(true);
         },
         [](const CMain &window) { return wizardAt(window, Wizard::FinishPage) != nullptr; }, true},
        // Finish fills the address table; the window starts monitoring.
        {QStringLiteral("wizard-monitoring"), [](CMain &window) { press(window, QWizard::FinishButton); },
         [](const CMain &window) {
             return !modal<QDialog>() &&
                    child<QLabel>(window, "stateLabel")->text() == MonitorControl::tr("Monitoring...") &&
                    ProgramState::instance().devices().snapshotSize() ==
                        ProgramState::instance().addressTable().size() &&
                    !child<QMyLabel>(window, "field0")->valueText().isEmpty();
         }},
        {QStringLiteral("wizard-inverters"), [](CMain &window) { window.jump_view1(); },
         [](const CMain &window) {
             return treeInverterCount(window) == ProgramState::instance().addressTable().size();
         }},
    };
}

} // namespace TourShots
