#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QFontSettingsClass;
}
class DashboardView;
class Prompter;
class QLabel;
struct SettingKey;

// Fonts and text colours of the dashboard's title, fields and message.
class QFontSettings : public QDialog
{
    Q_OBJECT

public:
    explicit QFontSettings(Prompter &prompter, QWidget *parent = nullptr);
    ~QFontSettings() override;

    // The dashboard whose fonts and colours the dialog shows and changes.
    void setDashboard(DashboardView *dashboard) { m_dashboard = dashboard; }

public slots:
    void on_btnHeader_clicked();
    void on_btnView_clicked();
    void on_btnMsg_clicked();
    void on_colorHeader_clicked();
    void on_colorView_clicked();
    void on_colorMsg_clicked();
    void on_btnOK_clicked();
    // Asks for the colour of a part (0 title, 1 fields, 2 message), starting
    // at the stored one; the chosen one is shown, applied and stored.
    void saveColor(int type);

public:
    // Asks for a font starting at font; the chosen one goes to newFont and to
    // app.ini under key. False when none was chosen.
    bool saveFont(const SettingKey &key, const QFont &font, QFont *newFont);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *sample(int type) const;
    // Asks for the font of a part (0 title, 1 fields, 2 message); the chosen one is applied and stored.
    void chooseFont(int type);
    void showCurrentFonts();

    std::unique_ptr<Ui::QFontSettingsClass> m_ui;
    Prompter &m_prompter;
    DashboardView *m_dashboard = nullptr;
};
