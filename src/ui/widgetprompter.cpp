#include "ui/widgetprompter.h"

#include "ui/languagedialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
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

QString WidgetPrompter::openFileName(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, QString(), filter);
}

QString WidgetPrompter::chooseFont(const QString &current)
{
    QFont font;
    font.fromString(current);
    bool ok = false;
    font = QFontDialog::getFont(&ok, font, m_parent);
    return ok ? font.toString() : QString();
}

QString WidgetPrompter::chooseColor(const QString &current)
{
    const QColor color = QColorDialog::getColor(QColor(current), m_parent);
    return color.isValid() ? color.name() : QString();
}
