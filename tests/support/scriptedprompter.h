#pragma once

#include "base/prompter.h"

#include <QList>
#include <QMutex>

// Answers the program's prompts from a script and remembers what it was told.
class ScriptedPrompter : public Prompter
{
public:
    struct Message
    {
        Level level;
        QString title;
        QString text;
    };

    ScriptedPrompter();
    ~ScriptedPrompter() override;

    void message(Level level, const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    int chooseLanguage() override;
    QString saveFileName(const QString &title, const QString &filter) override;
    std::optional<QString> inputText(const QString &title, const QString &label, const QString &text) override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString chooseFont(const QString &current) override;
    QString chooseColor(const QString &current) override;

    void setAnswer(bool yes) { m_answer = yes; }
    void setLanguage(int index) { m_language = index; }
    // The path the save-file dialogs answer; empty means cancelled.
    void setSaveFileName(const QString &path) { m_saveFileName = path; }
    // The text the input boxes answer; nothing means cancelled.
    void setInputText(const std::optional<QString> &text) { m_inputText = text; }
    // The answers of the open-file, font and colour prompts; empty means cancelled.
    void setOpenFileName(const QString &path) { m_openFileName = path; }
    void setFontChoice(const QString &font) { m_font = font; }
    void setColorChoice(const QString &color) { m_color = color; }
    // The starting values the font and colour prompts were given, in order.
    QStringList choicesOffered() const;

    QList<Message> messages() const;
    QStringList questions() const;
    int languageRequests() const { return m_languageRequests; }

private:
    mutable QMutex m_mutex;
    QList<Message> m_messages;
    QStringList m_questions;
    bool m_answer = true;
    int m_language = 0;
    int m_languageRequests = 0;
    QString m_saveFileName;
    std::optional<QString> m_inputText;
    QString m_openFileName;
    QString m_font;
    QString m_color;
    QStringList m_choicesOffered;
};
