#include "app/startup.h"
#include "base/appsettings.h"
#include "base/languages.h"
#include "monitor/programstate.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/cmain.h"
#include "ui/widgetprompter.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>

namespace {

// The tab titles and the menu bar's titles of a new window.
QStringList windowTitles()
{
    ScriptedPrompter prompter;
    CMain window;
    QStringList titles;
    const auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    for (int tab = 0; tab < tabs->count(); ++tab)
        titles << tabs->tabText(tab);
    for (const QAction *menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

// Starts with LANG set to the language, its translation from the build in the application directory.
void startIn(int language, const TempAppDir &dir, Translators &translators)
{
    const QString file = QStringLiteral("%1.qm").arg(Languages::code(language));
    QVERIFY2(QFile::copy(QStringLiteral(LUMORA_APP_DIR "/") + file, dir.file(file)), qPrintable(file));
    QSettings ini(AppSettings::filePath(), QSettings::IniFormat);
    AppSettings settings(ini);
    settings.setValue(Setting::LANG, language);
    ScriptedPrompter prompter;
    QCOMPARE(Startup::setupTranslation(settings, prompter, translators), language);
}

} // namespace

// The window in the language chosen, with the translations the build made and Qt's own.
class TestLanguages : public QObject
{
    Q_OBJECT

private slots:
    void germanWindowAndQuestion();
    void chineseTabTitles();
};

void TestLanguages::germanWindowAndQuestion()
{
    TempAppDir dir;
    const QStringList english = windowTitles();
    Translators translators;
    startIn(5, dir, translators);
    const QStringList german = windowTitles();
    QCOMPARE(german.size(), english.size());
    for (int i = 0; i < german.size(); ++i)
        QVERIFY2(!german[i].isEmpty() && german[i] != english[i], qPrintable(german[i]));

    // The question before closing, in a real message box: its texts and Qt's own buttons.
    WidgetPrompter prompter;
    ProgramState::instance().setPrompter(&prompter);
    CMain window;
    window.show();
    QStringList shown;
    QTimer::singleShot(0, this, [&shown] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown << box->windowTitle() << box->text() << box->button(QMessageBox::Yes)->text().remove(QLatin1Char('&'))
              << box->button(QMessageBox::No)->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!window.close());
    ProgramState::instance().setPrompter(nullptr);
    QCOMPARE(shown.size(), 4);
    QVERIFY2(shown[0] != QLatin1String("Confirm") && shown[1] != QLatin1String("Confirm to exit?"),
             qPrintable(shown.join(QLatin1Char('|'))));
    QCOMPARE(shown.mid(2), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
}

void TestLanguages::chineseTabTitles()
{
    TempAppDir dir;
    Translators translators;
    startIn(6, dir, translators);
    ScriptedPrompter prompter;
    CMain window;
    const auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const QString title = tabs->tabText(tab);
        QVERIFY2(std::any_of(title.begin(), title.end(), [](QChar c) { return c.script() == QChar::Script_Han; }),
                 qPrintable(title));
    }
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
