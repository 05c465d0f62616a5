#include "ui/languagemenus.h"

#include "base/appsettings.h"
#include "base/languages.h"
#include "base/prompter.h"
#include "monitor/programstate.h"

#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {
// Flag pictures of the languages, in the order of the language table.
const char *const kFlags[Languages::kCount] = {"english", "italy",  "taiwan", "spanish",
                                               "french",  "german", "china",  "korean"};

QIcon flag(int index)
{
    return QIcon(QStringLiteral(":/DataManager/Resources/language/%1.png").arg(QLatin1String(kFlags[index])));
}

QActionGroup *languageGroup(QObject *owner, int current, bool withFlags)
{
    auto *group = new QActionGroup(owner);
    group->setExclusive(true);
    for (int i = 0; i < Languages::kCount; ++i) {
        QAction *action = group->addAction(Languages::name(i));
        action->setCheckable(true);
        action->setChecked(i == current);
        if (withFlags)
            action->setIcon(flag(i));
    }
    return group;
}
} // namespace

LanguageMenus::LanguageMenus(QObject *owner, QMenu *menu, QToolBar *toolBar, int current)
    : m_menuGroup(languageGroup(owner, current, false))
    , m_toolBarGroup(languageGroup(owner, current, true))
    , m_button(new QToolButton(toolBar))
{
    menu->addActions(m_menuGroup->actions());

    auto *buttonMenu = new QMenu(m_button);
    buttonMenu->addActions(m_toolBarGroup->actions());
    m_button->setObjectName(QStringLiteral("languageButton"));
    m_button->setAccessibleName(tr("Language"));
    m_button->setText(QStringLiteral("..."));
    if (current >= 0 && current < Languages::kCount)
        m_button->setIcon(flag(current));
    m_button->setMenu(buttonMenu);
    m_button->setPopupMode(QToolButton::MenuButtonPopup);
    m_button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The bar lines its contents up from the right; the button and its menu read left to right.
    m_button->setLayoutDirection(Qt::LeftToRight);
    toolBar->addWidget(m_button);
}

void LanguageMenus::chooseFromMenu()
{
    save(checkedIndex(m_menuGroup));
}

void LanguageMenus::chooseFromToolBar()
{
    const int index = checkedIndex(m_toolBarGroup);
    if (index >= 0)
        m_menuGroup->actions().at(index)->setChecked(true);
    save(index);
}

int LanguageMenus::checkedIndex(const QActionGroup *group)
{
    const QAction *checked = group->checkedAction();
    if (!checked || checked->text().isEmpty())
        return -1;
    return group->actions().indexOf(const_cast<QAction *>(checked));
}

void LanguageMenus::save(int index)
{
    if (index < 0)
        return;
    AppSettings().setValue(Setting::LANG, index);
    ProgramState::instance().prompter().message(
        Prompter::Level::Information, tr("Language change"),
        tr("The language changes will take effect when you restart the application."));
}
