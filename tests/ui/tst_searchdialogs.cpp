#include "tst_searchdialogs.h"

#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "setuprig.h"
#include "support/scriptedprompter.h"
#include "ui/cmain.h"
#include "ui/dialogs/comportfrm.h"
#include "ui/dialogs/qconfigwizard.h"
#include "ui/dialogs/searchinverterfrm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QProgressBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int kSearchTimeoutMs = 120000; // a scan of 255 addresses takes about 25 s

QStringList messageTexts(const ScriptedPrompter &prompter)
{
    QStringList texts;
    for (const auto &message : prompter.messages())
        texts << message.title + QLatin1Char('|') + message.text;
    return texts;
}

QStringList column(const QTableWidget *table, int column)
{
    QStringList texts;
    for (int row = 0; row < table->rowCount(); ++row)
        texts << table->item(row, column)->text();
    return texts;
}

void trigger(CMain &window, const char *action)
{
    window.findChild<QAction *>(QLatin1String(action))->trigger();
}

void clickWizardButton(QWizard *wizard, QWizard::WizardButton which)
{
    QAbstractButton *button = wizard->button(which);
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks through the wizard: a port that does not open, the plant's port, a
// search, automatic search every 10 minutes, and "Start monitoring now".
void driveWizard(QConfigWizard *wizard, const ScriptedPrompter &prompter)
{
    QVERIFY(wizard->isVisible());
    auto *ports = wizard->findChild<QComboBox *>(QStringLiteral("cbCOM"));
    ports->setCurrentText(QStringLiteral("COM9"));
    clickWizardButton(wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), int(QConfigWizard::IntroductionPage));
    QCOMPARE(messageTexts(prompter), QStringList{"Error|This COM port is not available"});
    QVERIFY(readSetting(QStringLiteral("COMPortFrm_com_name")).isNull());

    ports->setCurrentText(QStringLiteral("COM7"));
    wizard->findChild<QComboBox *>(QStringLiteral("cbBaudRate"))->setCurrentIndex(5);
    clickWizardButton(wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), int(QConfigWizard::SearchPage));
    QVERIFY(!wizard->button(QWizard::NextButton)->isEnabled());
    QVERIFY(!wizard->button(QWizard::BackButton)->isEnabled());

    clickButton(wizard, "btnSearch");
    auto *searchButton = wizard->findChild<QWidget *>(QStringLiteral("btnSearch"));
    QTRY_VERIFY_WITH_TIMEOUT(searchButton->isEnabled(), kSearchTimeoutMs);
    QCOMPARE(wizard->findChild<QLabel *>(QStringLiteral("lblResult"))->text(), QStringLiteral("4 inverters found."));
    wizard->findChild<QCheckBox *>(QStringLiteral("cbAuto"))->setChecked(true);
    wizard->findChild<QSpinBox *>(QStringLiteral("sbMin"))->setValue(10);
    clickWizardButton(wizard, QWizard::NextButton);
    QCOMPARE(wizard->currentId(), int(QConfigWizard::FinishPage));
    QVERIFY(ProgramState::instance().addressTable().isEmpty()); // only Finish fills it

    wizard->findChild<QCheckBox *>(QStringLiteral("cbStartMonitoring"))->setChecked(true);
    clickWizardButton(wizard, QWizard::FinishButton);
}

} // namespace

void TestSearchDialogs::menuSearchNeedsAPortAndResolvesCollisions()
{
    SimulatedLine line;
    ScriptedPrompter prompter;
    linkOnlyPorts(line.dir, {});
    {
        CMain window;
        trigger(window, "actionSearch_Inverters");
        QCOMPARE(messageTexts(prompter), QStringList{"Error|Please complete COM port settings first."});
    }

    QVERIFY(line.startFile(QStringLiteral("search-shared-7.json")));
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM7"));
    writeSetting(QStringLiteral("COMPortFrm_baud_index"), 5);
    CMain window;
    auto *dialog = window.findChild<SearchInverterFrm *>();
    QSignalSpy ends(dialog, &SearchInverterFrm::s_search_end);
    auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    QTimer::singleShot(0, dialog, [&] {
        clickButton(dialog, "btnDetail");
        clickButton(dialog, "btn_Search");
        QTRY_VERIFY_WITH_TIMEOUT(!dialog->isSearching() && ends.count() == 1, kSearchTimeoutMs);
        QVERIFY(table->isVisible());
        dialog->close();
    });
    trigger(window, "actionSearch_Inverters");

    // The two inverters behind address 7 got free addresses of their own.
    QCOMPARE(prompter.questions(), QStringList{"Confirm|Auto change the duplicate Inverter ID?"});
    QCOMPARE(column(table, 0), QStringList({"1", "2", "3"}));
    QCOMPARE(column(table, 1), QStringList({"LES000104444", "LES000105555", "LES000106666"}));
    QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QStringLiteral("1,2,3"));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({1, 2, 3}));
    QCOMPARE(line.sim.invertersAt(7).size(), 0);
    QCOMPARE(prompter.messages().size(), 1);
}

void TestSearchDialogs::searchWithoutTheLineKeepsTheInvertersAndClosingStopsIt()
{
    SimulatedLine line;
    QVERIFY(line.start(QJsonObject{{"inverters", QJsonArray()}}));
    ScriptedPrompter prompter;
    AddressTable &table = ProgramState::instance().addressTable();
    table.assign({4, 5});
    writeSetting(QStringLiteral("INV_ADDR"), QStringLiteral("4,5"));
    const auto kept = [&table] {
        return table.addresses() == QList<int>({4, 5}) && readSetting(QStringLiteral("INV_ADDR")) == "4,5";
    };
    MonitoringSession session;
    SearchInverterFrm dialog(session, ProgramState::instance());
    QSignalSpy ends(&dialog, &SearchInverterFrm::s_search_end);

    // A port that does not open ends the search at once; the user is told (an automatic search tells nobody).
    dialog.setPortBaud(9, 38400);
    dialog.show();
    dialog.search();
    QTRY_COMPARE(ends.count(), 1);
    QVERIFY(kept());
    QCOMPARE(messageTexts(prompter), QStringList{"Error|COM9 is not available! The saved inverters are kept."});

    // The line hangs up during the search: what it heard until then is not the line's inverters.
    auto hangingUp = std::make_unique<LineSimulator>();
    QVERIFY(hangingUp->link(line.dir.file(QStringLiteral("ports/COM8"))));
    QVERIFY(hangingUp->start(QJsonObject{{"inverters", QJsonArray()}}));
    dialog.setPortBaud(8, 38400);
    clickButton(&dialog, "btn_Search");
    auto *progress = dialog.findChild<QProgressBar *>(QStringLiteral("progressBar"));
    QTRY_VERIFY(progress->value() >= 3);
    hangingUp.reset();
    QTRY_COMPARE(ends.count(), 2);
    QCOMPARE(
        messageTexts(prompter).last(),
        QStringLiteral("Error|COM8 failed during the search (hang-up or I/O error). The saved inverters are kept."));
    QVERIFY(kept());

    // Closing stops the search first and keeps the automatic-search settings.
    dialog.setPortBaud(SimulatedLine::kPort, 38400);
    dialog.findChild<QCheckBox *>(QStringLiteral("cbAuto"))->setChecked(true);
    dialog.findChild<QSpinBox *>(QStringLiteral("sbMin"))->setValue(15);
    dialog.findChild<QCheckBox *>(QStringLiteral("cbAutoChangeId"))->setChecked(true);
    clickButton(&dialog, "btn_Search");
    QTRY_VERIFY(progress->value() >= 3);
    QVERIFY(!dialog.findChild<QWidget *>(QStringLiteral("btnClose"))->isEnabled());
    dialog.close();
    QVERIFY(!dialog.isSearching());
    QCOMPARE(readSetting(QStringLiteral("auto_search")).toInt(), 1);
    QCOMPARE(readSetting(QStringLiteral("auto_search_time")).toInt(), 15);
    QCOMPARE(readSetting(QStringLiteral("auto_search_change_id")).toInt(), 1);
    QTRY_COMPARE(ends.count(), 3);
    QCOMPARE(messageTexts(prompter).last(), QStringLiteral("Not found|No inverters found"));
}

void TestSearchDialogs::wizardFromAnEmptyDirectoryToTheAddressTable()
{
    SimulatedLine line;
    QVERIFY(line.startFile(QStringLiteral("mixed-plant.json")));
    line.dir.write(QStringLiteral("not-a-port"), QByteArray());
    QFile::link(line.dir.file(QStringLiteral("not-a-port")), line.dir.file(QStringLiteral("ports/COM9")));
    ScriptedPrompter prompter;
    CMain window;
    auto *wizard = window.findChild<QConfigWizard *>();
    QSignalSpy starts(window.findChild<QAction *>(QStringLiteral("actionStart")), &QAction::triggered);
    QTimer::singleShot(0, wizard, [&] {
        driveWizard(wizard, prompter);
        if (wizard->isVisible())
            wizard->reject();
    });
    trigger(window, "actionConfiguration_Wizard");

    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({1, 2, 3, 4}));
    QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QStringLiteral("1,2,3,4"));
    QCOMPARE(readSetting(QStringLiteral("COMPortFrm_com_name")).toString(), QStringLiteral("COM7"));
    QCOMPARE(readSetting(QStringLiteral("COMPortFrm_baud_index")).toInt(), 5);
    QCOMPARE(readSetting(QStringLiteral("auto_search")).toInt(), 1);
    QCOMPARE(readSetting(QStringLiteral("auto_search_time")).toInt(), 10);
    QCOMPARE(window.findChild<COMPortFrm *>()->selectedBaud(), 38400);
    QCOMPARE(ProgramState::instance().portNumber(), 7);
    QCOMPARE(starts.count(), 1);
}
