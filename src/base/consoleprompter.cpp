#include "base/consoleprompter.h"

#include <cstdio>

ConsolePrompter::ConsolePrompter(bool answerYes)
    : m_answerYes(answerYes)
{}

void ConsolePrompter::message(Level, const QString &title, const QString &text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
}

bool ConsolePrompter::question(const QString &title, const QString &text)
{
    std::fprintf(stderr, "%s: %s %s\n", qPrintable(title), qPrintable(text), m_answerYes ? "Yes" : "No");
    return m_answerYes;
}

int ConsolePrompter::chooseLanguage()
{
    return 0;
}

QString ConsolePrompter::saveFileName(const QString &, const QString &)
{
    return {};
}

std::optional<QString> ConsolePrompter::inputText(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

QString ConsolePrompter::openFileName(const QString &, const QString &)
{
    return {};
}

QString ConsolePrompter::chooseFont(const QString &)
{
    return {};
}

QString ConsolePrompter::chooseColor(const QString &)
{
    return {};
}
