#include "ui/languagedialog.h"

#include "base/languages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

LanguageDialog::LanguageDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_languages(new QComboBox(this))
{
    setObjectName(QStringLiteral("LanguageDialog"));
    setWindowTitle(tr("Language"));
    setModal(true);
    m_languages->setObjectName(QStringLiteral("cbLanguage"));
    for (int i = 0; i < Languages::kCount; ++i)
        m_languages->addItem(Languages::name(i));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_languages);
    layout->addWidget(buttons);
}

int LanguageDialog::chosenLanguage() const
{
    return m_languages->currentIndex();
}

void LanguageDialog::done(int)
{
    // Closing by the title bar counts as a choice too.
    QDialog::done(chosenLanguage());
}
