#pragma once

#include "base/prompter.h"

// Prompter of the programs without a window: messages go to standard error,
// questions take the answer given on the command line, the language is English, no file,
// text, font or colour is chosen.
class ConsolePrompter : public Prompter
{
public:
    explicit ConsolePrompter(bool answerYes = false);

    void message(Level level, const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    int chooseLanguage() override;
    QString saveFileName(const QString &title, const QString &filter) override;
    std::optional<QString> inputText(const QString &title, const QString &label, const QString &text) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString chooseFont(const QString &current) override;
    QString chooseColor(const QString &current) override;

private:
    bool m_answerYes;
};
