#include "ui/languagemenus.h"

#include "base/appsettings.h"
#include "base/languages.h"
#include "base/prompter.h"

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

LanguageMenus::LanguageMenus(QObject *owner, QMenu *menu, QToolBar *toolBar, int current, Prompter &prompter)
    : m_menuGroup(languageGroup(owner, current, false))
    , m_toolBarGroup(languageGroup(owner, current, true))
    , m_prompter(prompter)
{
    menu->addActions(m_menuGroup->actions());

    auto *button = new QToolButton(toolBar);
    auto *buttonMenu = new QMenu(button);
    buttonMenu->addActions(m_toolBarGroup->actions());
    button->setObjectName(QStringLiteral("languageButton"));
    button->setAccessibleName(tr("Language"));
    button->setText(QStringLiteral("..."));
    if (current >= 0 && current < Languages::kCount)
        button->setIcon(flag(current));
    button->setMenu(buttonMenu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The bar lines its contents up from the right; the button and its menu read left to right.
    button->setLayoutDirection(Qt::LeftToRight);
    toolBar->addWidget(button);
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
    m_prompter.message(Prompter::Level::Information, tr("Language change"),
                       tr("The language changes will take effect when you restart the application."));
}
