#include "support/scriptedprompter.h"

#include "monitor/programstate.h"

#include <QStringList>

ScriptedPrompter::ScriptedPrompter()
{
    ProgramState::instance().setPrompter(this);
}

ScriptedPrompter::~ScriptedPrompter()
{
    if (&ProgramState::instance().prompter() == this)
        ProgramState::instance().setPrompter(nullptr);
}

void ScriptedPrompter::message(Level level, const QString &title, const QString &text)
{
    QMutexLocker locker(&m_mutex);
    m_messages.append({level, title, text});
}

bool ScriptedPrompter::question(const QString &title, const QString &text)
{
    QMutexLocker locker(&m_mutex);
    m_questions.append(title + QLatin1Char('|') + text);
    return m_answer;
}

int ScriptedPrompter::chooseLanguage()
{
    ++m_languageRequests;
    return m_language;
}

QString ScriptedPrompter::saveFileName(const QString &, const QString &)
{
    QMutexLocker locker(&m_mutex);
    return m_saveFileName;
}

std::optional<QString> ScriptedPrompter::inputText(const QString &, const QString &, const QString &)
{
    QMutexLocker locker(&m_mutex);
    return m_inputText;
}

QString ScriptedPrompter::openFileName(const QString &, const QString &)
{
    QMutexLocker locker(&m_mutex);
    return m_openFileName;
}

QString ScriptedPrompter::chooseFont(const QString &current)
{
    QMutexLocker locker(&m_mutex);
    m_choicesOffered.append(current);
    return m_font;
}

QString ScriptedPrompter::chooseColor(const QString &current)
{
    QMutexLocker locker(&m_mutex);
    m_choicesOffered.append(current);
    return m_color;
}

QStringList ScriptedPrompter::choicesOffered() const
{
    QMutexLocker locker(&m_mutex);
    return m_choicesOffered;
}

QList<ScriptedPrompter::Message> ScriptedPrompter::messages() const
{
    QMutexLocker locker(&m_mutex);
    return m_messages;
}

QStringList ScriptedPrompter::questions() const
{
    QMutexLocker locker(&m_mutex);
    return m_questions;
}
