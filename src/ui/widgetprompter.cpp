#include "ui/widgetprompter.h"

#include "ui/languagedialog.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

void WidgetPrompter::message(Level level, const QString &title, const QString &text)
{
    switch (level) {
    case Level::Information:
        QMessageBox::information(m_parent, title, text, QMessageBox::Ok);
        break;
    case Level::Warning:
        QMessageBox::warning(m_parent, title, text, QMessageBox::Ok);
        break;
    case Level::Critical:
        QMessageBox::critical(m_parent, title, text, QMessageBox::Ok);
        break;
    }
}

bool WidgetPrompter::question(const QString &title, const QString &text)
{
    return QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

int WidgetPrompter::chooseLanguage()
{
    LanguageDialog dialog(m_parent);
    return dialog.exec();
}

QString WidgetPrompter::saveFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getSaveFileName(m_parent, title, QString(), filter);
}

std::optional<QString> WidgetPrompter::inputText(const QString &title, const QString &label, const QString &text)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(m_parent, title, label, QLineEdit::Normal, text, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}
