#pragma once

#include <QString>

#include <optional>

// Everything the program asks or tells the user goes through one Prompter:
// message boxes and questions in the window, the console for the headless
// logger, scripted answers in tests. Core code never opens a dialog itself.
class Prompter
{
public:
    enum class Level { Information, Warning, Critical };

    virtual ~Prompter() = default;

    virtual void message(Level level, const QString &title, const QString &text) = 0;
    // A question with the buttons Yes and No; true for Yes.
    virtual bool question(const QString &title, const QString &text) = 0;
    // The language choice of the first start: an index of the language code table.
    virtual int chooseLanguage() = 0;
    // A save-file dialog with a name filter such as "Images (*.bmp *.jpg)":
    // the chosen path, or an empty text when cancelled.
    virtual QString saveFileName(const QString &title, const QString &filter) = 0;
    // A line of text asked for with a label, starting from text: the answer, or nothing when cancelled.
    virtual std::optional<QString> inputText(const QString &title, const QString &label, const QString &text) = 0;
    // An open-file dialog: the chosen existing file, or an empty text when cancelled.
    virtual QString openFileName(const QString &title, const QString &filter) = 0;
    // The font dialog, starting at a font given as QFont::toString() text:
    // the chosen font in the same form, or an empty text when cancelled.
    virtual QString chooseFont(const QString &current) = 0;
    // The colour dialog, starting at a colour given as "#rrggbb": the chosen
    // colour in the same form, or an empty text when cancelled.
    virtual QString chooseColor(const QString &current) = 0;
};
