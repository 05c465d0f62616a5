#pragma once

#include <QCoreApplication>
#include <QList>

class Prompter;
class QActionGroup;
class QMenu;
class QObject;
class QToolBar;

// The two language choosers of the main window: checkable actions in the
// "Language" menu, and a flag button with its own menu on a tool bar. A choice
// is written as LANG and takes effect at the next start, which the prompter
// tells. The tool bar's choice
// also checks the menu; a choice in the menu leaves the tool bar as it was.
class LanguageMenus
{
    Q_DECLARE_TR_FUNCTIONS(LanguageMenus)

public:
    // The actions are children of `owner`, the button of the tool bar; `current` is checked in both sets.
    LanguageMenus(QObject *owner, QMenu *menu, QToolBar *toolBar, int current, Prompter &prompter);

    QActionGroup *menuGroup() const { return m_menuGroup; }
    QActionGroup *toolBarGroup() const { return m_toolBarGroup; }

    // Saves the language checked in the menu.
    void chooseFromMenu();
    // Checks the same language in the menu and saves it.
    void chooseFromToolBar();

private:
    static int checkedIndex(const QActionGroup *group);
    void save(int index);

    QActionGroup *m_menuGroup;
    QActionGroup *m_toolBarGroup;
    Prompter &m_prompter;
};
