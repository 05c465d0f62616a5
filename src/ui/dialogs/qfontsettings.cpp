#include "ui/dialogs/qfontsettings.h"

#include "base/appsettings.h"
#include "base/prompter.h"
#include "ui/views/dashboardappearance.h"
#include "ui/views/dashboardview.h"
#include "ui_qfontsettings.h"

namespace {
enum Part { Title, Fields, Message };

// A sample in a colour, on a grey on which both light and dark colours can be read.
QString sampleStyle(const QColor &color)
{
    return DashboardAppearance::colorStyleSheet(color) +
           QStringLiteral("background-color: rgb(127, 140, 153); padding: 2px 8px;");
}

const SettingKey &colorKey(int type)
{
    switch (type) {
    case Title:
        return Setting::HEADER_RGB;
    case Fields:
        return Setting::VIEW_RGB;
    default:
        return Setting::MSG_RGB;
    }
}
} // namespace

QFontSettings::QFontSettings(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QFontSettingsClass)
    , m_prompter(prompter)
{
    m_ui->setupUi(this);
}

QFontSettings::~QFontSettings() = default;

QLabel *QFontSettings::sample(int type) const
{
    switch (type) {
    case Title:
        return m_ui->lblSample1;
    case Fields:
        return m_ui->lblSample2;
    default:
        return m_ui->lblSample3;
    }
}

void QFontSettings::showCurrentFonts()
{
    if (!m_dashboard)
        return;
    m_ui->lblSample1->setFont(m_dashboard->headerFont());
    m_ui->lblSample2->setFont(m_dashboard->viewFont());
    m_ui->lblSample3->setFont(m_dashboard->messageFont());
}

void QFontSettings::showEvent(QShowEvent *event)
{
    AppSettings settings;
    for (int type : {Title, Fields, Message})
        sample(type)->setStyleSheet(sampleStyle(DashboardAppearance::parseColorSetting(settings.text(colorKey(type)))));
    showCurrentFonts();
    QDialog::showEvent(event);
}

bool QFontSettings::saveFont(const SettingKey &key, const QFont &font, QFont *newFont)
{
    const QString chosen = m_prompter.chooseFont(font.toString());
    if (chosen.isEmpty() || !newFont->fromString(chosen))
        return false;
    AppSettings().setValue(key, DashboardAppearance::fontSettingText(*newFont));
    return true;
}

void QFontSettings::chooseFont(int type)
{
    if (!m_dashboard)
        return;
    static const SettingKey *const keys[] = {&Setting::HEADER_FONT, &Setting::VIEW_FONT, &Setting::MESSAGE_FONT};
    const QFont current[] = {m_dashboard->headerFont(), m_dashboard->viewFont(), m_dashboard->messageFont()};
    QFont font;
    if (saveFont(*keys[type], current[type], &font)) {
        if (type == Title)
            m_dashboard->setHeaderFont(font);
        else if (type == Fields)
            m_dashboard->setViewFont(font);
        else
            m_dashboard->setMessageFont(font);
    }
    showCurrentFonts();
}

void QFontSettings::on_btnHeader_clicked()
{
    chooseFont(Title);
}

void QFontSettings::on_btnView_clicked()
{
    chooseFont(Fields);
}

void QFontSettings::on_btnMsg_clicked()
{
    chooseFont(Message);
}

void QFontSettings::saveColor(int type)
{
    const SettingKey &key = colorKey(type);
    const QColor stored = DashboardAppearance::parseColorSetting(AppSettings().text(key));
    const QColor color(m_prompter.chooseColor(stored.isValid() ? stored.name() : QString()));
    if (!color.isValid())
        return;
    if (m_dashboard) {
        if (type == Title)
            m_dashboard->setHeaderColor(color);
        else if (type == Fields)
            m_dashboard->setViewColor(color);
        else
            m_dashboard->setMessageColor(color);
    }
    sample(type)->setStyleSheet(sampleStyle(color));
    AppSettings().setValue(key, DashboardAppearance::colorSettingText(color));
}

void QFontSettings::on_colorHeader_clicked()
{
    saveColor(Title);
}

void QFontSettings::on_colorView_clicked()
{
    saveColor(Fields);
}

void QFontSettings::on_colorMsg_clicked()
{
    saveColor(Message);
}

void QFontSettings::on_btnOK_clicked()
{
    accept();
}
