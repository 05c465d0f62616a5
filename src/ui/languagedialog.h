#pragma once

#include <QDialog>

class QComboBox;

// The language choice of the first start: one combo box of the eight languages
// and an OK button. Its result is the chosen index, also when it is closed.
class LanguageDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LanguageDialog(QWidget *parent = nullptr);

    int chosenLanguage() const;

    void done(int result) override;

private:
    QComboBox *m_languages;
};
