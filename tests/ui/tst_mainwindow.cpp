#include "base/appsettings.h"
#include "monitor/programstate.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/cmain.h"
#include "ui/dataexporter.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QActionGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {
struct CountingExporter : DataExporter
{
    bool rows = false;
    int exports = 0;
    bool hasRows() const override { return rows; }
    void exportData() override { ++exports; }
};

QStringList messageTexts(const ScriptedPrompter &prompter)
{
    QStringList texts;
    for (const auto &message : prompter.messages())
        texts << message.title + QLatin1Char('|') + message.text;
    return texts;
}

QStringList repeated(int times, const QString &text)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << text;
    return list;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void exportDataFollowsTheHistoryTabs();
    void imageFormatFollowsTheFileName();
    void printingDrawsThePage();
    void languageChoiceIsSavedAndMenusFollowOneWay();
    void shownWindowKeepsItsMenusAndCount();
    void everyControlReachesAssistiveTechnology();
};

void TestMainWindow::exportDataFollowsTheHistoryTabs()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    CMain window;
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    auto *exportData = window.findChild<QAction *>(QStringLiteral("actionExportData"));
    QVERIFY(tabs && exportData);
    QCOMPARE(tabs->count(), 6);
    QVERIFY(!exportData->isEnabled());
    for (int tab : {3, 1, 4, 0, 5, 2}) {
        tabs->setCurrentIndex(tab);
        QCOMPARE(exportData->isEnabled(), tab >= 3);
    }

    // An empty table, and a page that has not registered yet, give "No data".
    CountingExporter events;
    tabs->setCurrentIndex(CMain::EventListTab);
    exportData->trigger();
    window.setDataExporter(CMain::EventListTab, &events);
    exportData->trigger();
    QCOMPARE(messageTexts(prompter), repeated(2, QStringLiteral("Info|No data")));
    QCOMPARE(events.exports, 0);
    events.rows = true;
    exportData->trigger();
    QCOMPARE(events.exports, 1);

    // The chart decides by itself whether it has something to export.
    CountingExporter chart;
    window.setDataExporter(CMain::ChartTab, &chart);
    tabs->setCurrentIndex(CMain::ChartTab);
    exportData->trigger();
    QCOMPARE(chart.exports, 1);
    QCOMPARE(prompter.messages().size(), 2);
}

void TestMainWindow::imageFormatFollowsTheFileName()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    CMain window;
    window.resize(925, 651);
    auto *exportImage = window.findChild<QAction *>(QStringLiteral("actionExport_JPG"));

    const QList<QPair<QString, QByteArray>> cases = {
        {QStringLiteral("page.JpG"), QByteArray("\xFF\xD8\xFF")},
        {QStringLiteral("page.jpg.bmp"), QByteArray("\xFF\xD8\xFF")},
        {QStringLiteral("page.png"), QByteArray("BM")},
        {QStringLiteral("page"), QByteArray("BM")},
    };
    for (const auto &[name, magic] : cases) {
        prompter.setSaveFileName(dir.file(name));
        exportImage->trigger();
        QVERIFY2(dir.read(name).startsWith(magic), qPrintable(name));
    }
    QCOMPARE(messageTexts(prompter), repeated(4, QStringLiteral("Info|Save OK.")));

    prompter.setSaveFileName(dir.file(QStringLiteral("missing/page.bmp")));
    exportImage->trigger();
    QCOMPARE(messageTexts(prompter).last(), QStringLiteral("Error|Can not save image file!"));

    // Cancelling the file dialog saves nothing and says nothing.
    prompter.setSaveFileName(QString());
    exportImage->trigger();
    QCOMPARE(prompter.messages().size(), 5);
}

void TestMainWindow::printingDrawsThePage()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    CMain window;
    window.resize(925, 651);
    const QString pdf = dir.file(QStringLiteral("page.pdf"));
    bool accept = false;
    window.pageOutput().setPrintDialog([&](QPrinter &printer) {
        printer.setOutputFileName(pdf);
        return accept;
    });
    auto *print = window.findChild<QAction *>(QStringLiteral("actionPrint"));
    print->trigger();
    QVERIFY(!QFileInfo::exists(pdf));
    accept = true;
    print->trigger();
    QVERIFY(dir.read(QStringLiteral("page.pdf")).startsWith("%PDF"));
}

void TestMainWindow::languageChoiceIsSavedAndMenusFollowOneWay()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    AppSettings().setValue(Setting::LANG, 1);
    CMain window;
    const QList<QAction *> menu = window.findChild<QMenu *>(QStringLiteral("menuLanguage"))->actions();
    auto *button = window.findChild<QToolButton *>(QStringLiteral("languageButton"));
    QVERIFY(button && button->menu());
    const QList<QAction *> bar = button->menu()->actions();
    QCOMPARE(menu.size(), 8);
    QCOMPARE(bar.size(), 8);
    QVERIFY(menu.at(1)->isChecked() && bar.at(1)->isChecked());
    QVERIFY(!button->icon().isNull());

    bar.at(4)->trigger();
    QCOMPARE(AppSettings().intValue(Setting::LANG), 4);
    QVERIFY(menu.at(4)->isChecked() && bar.at(4)->isChecked());

    menu.at(6)->trigger();
    QCOMPARE(AppSettings().intValue(Setting::LANG), 6);
    QVERIFY(menu.at(6)->isChecked());
    QVERIFY(bar.at(4)->isChecked());

    const QString notice =
        QStringLiteral("Language change|The language changes will take effect when you restart the application.");
    QCOMPARE(messageTexts(prompter), repeated(2, notice));
}

void TestMainWindow::shownWindowKeepsItsMenusAndCount()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    AppSettings().setValue(Setting::INV_ADDR, QStringLiteral("3,x,5"));
    CMain window;
    auto *count = window.findChild<QLabel *>(QStringLiteral("aliveLabel"));
    window.set_alive_num(4);
    QCOMPARE(count->text(), QStringLiteral("Active: 0  "));
    window.show();
    window.set_alive_num(4);
    QCOMPARE(count->text(), QStringLiteral("Active: 4  "));
    QCOMPARE(ProgramState::instance().addressTable().addresses(), QList<int>({3, 5}));

    // The "Window" menu never shows in the menu bar.
    auto *windowMenu = window.findChild<QMenu *>(QStringLiteral("menuWindow"));
    QVERIFY(windowMenu->title().isEmpty());
    QVERIFY(!window.menuBar()->actionGeometry(windowMenu->menuAction()).isValid());

    // The Main tab has its own context menu, the other tabs share one.
    auto *mainMenu = window.findChild<QMenu *>(QStringLiteral("mainPageMenu"));
    auto *pageMenu = window.findChild<QMenu *>(QStringLiteral("pageMenu"));
    emit window.customContextMenuRequested(QPoint(20, 20));
    QTRY_VERIFY(mainMenu->isVisible());
    mainMenu->close();
    window.jump_view4();
    emit window.customContextMenuRequested(QPoint(20, 20));
    QTRY_VERIFY(pageMenu->isVisible());
    QVERIFY(!mainMenu->isVisible());
    pageMenu->close();
}

// Every input, button and table of every page and dialog reaches assistive
// technology with a role of its kind and a name: its own text, a label's buddy
// or an accessible name; so does every tab and menu-bar entry. Qt's inner parts
// of a control (headers, the spin box's line edit) are read through the control.
void TestMainWindow::everyControlReachesAssistiveTechnology()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    CMain window;
    window.resize(1280, 800);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QStringList faults;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool itemHolder = qobject_cast<QTabBar *>(widget) || qobject_cast<QMenuBar *>(widget);
        const bool control = itemHolder || qobject_cast<QAbstractButton *>(widget) ||
                             qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSpinBox *>(widget) ||
                             qobject_cast<QComboBox *>(widget) || qobject_cast<QTextEdit *>(widget) ||
                             qobject_cast<QAbstractItemView *>(widget);
        if (!control || widget->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QAbstractItemView *>(widget->parentWidget()))
            continue;
        const QString what = QStringLiteral("%1 %2 in %3")
                                 .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(),
                                      widget->window()->objectName());
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->role() == QAccessible::Client || accessible->role() == QAccessible::NoRole) {
            faults << what + QStringLiteral(": no role");
            continue;
        }
        if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            faults << what + QStringLiteral(": no name");
        for (int i = 0; itemHolder && i < accessible->childCount(); ++i) {
            QAccessibleInterface *item = accessible->child(i);
            if (item && !qobject_cast<QWidget *>(item->object()) && !item->state().invisible &&
                item->role() != QAccessible::Separator && item->text(QAccessible::Name).trimmed().isEmpty())
                faults << what + QStringLiteral(": item %1 has no name").arg(i);
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
