#pragma once

#include "base/prompter.h"

#include <QPointer>
#include <QWidget>

// Prompter of the window program: message boxes, file, input, font and colour dialogs and the language dialog,
// parented to the main window once it exists.
class WidgetPrompter : public Prompter
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void message(Level level, const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    int chooseLanguage() override;
    QString saveFileName(const QString &title, const QString &filter) override;
    std::optional<QString> inputText(const QString &title, const QString &label, const QString &text) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString chooseFont(const QString &current) override;
    QString chooseColor(const QString &current) override;

private:
    QPointer<QWidget> m_parent;
};
