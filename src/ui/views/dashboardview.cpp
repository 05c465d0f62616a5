#include "ui/views/dashboardview.h"

#include "base/appsettings.h"
#include "base/numbertext.h"
#include "link/sensorlist.h"
#include "monitor/sensorsettings.h"
#include "ui/views/dashboardappearance.h"
#include "ui/views/dashboardfields.h"
#include "ui/views/qmylabel.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace {
QFont sizedFont(QFont font, int pointSize, bool bold)
{
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QString twoDecimals(double value)
{
    return QString::asprintf("%#.2f", value);
}

QString average(double power, int deviceCount)
{
    return QString::number(deviceCount > 0 ? int(power / deviceCount) : 0);
}
} // namespace

DashboardView::DashboardView(const Page &page, SensorList &sensors, const NumberText &numbers, QWidget *parent)
    : QWidget(parent)
    , m_page(page)
    , m_sensors(sensors)
    , m_numbers(numbers)
    , m_defaultHeaderFont(sizedFont(page.title->font(), 20, true))
    , m_defaultViewFont(sizedFont(font(), 14, false))
    , m_defaultMessageFont(sizedFont(page.message->font(), 11, false))
    , m_grid(new QGridLayout(this))
{
    setObjectName(QStringLiteral("listView"));
    // Every cell keeps its share, so that a field stands where it was put even beside empty rows.
    m_grid->setHorizontalSpacing(40);
    for (int column = 0; column < DashboardFields::kColumns; ++column)
        m_grid->setColumnStretch(column, 1);
    for (int row = 0; row < DashboardFields::kRows; ++row)
        m_grid->setRowStretch(row, 1);
    for (int k = 0; k < DashboardFields::Count; ++k) {
        auto *label = new QMyLabel(numbers, true, this);
        label->setObjectName(QStringLiteral("field%1").arg(k));
        m_fields.append(label);
    }
    arrange();
    applySettings();
    loadFonts();
}

DashboardView::~DashboardView() = default;

void DashboardView::arrange()
{
    const QVector<int> cells = DashboardFields::placement(AppSettings().text(Setting::VIEW_SEQ));
    for (int k = 0; k < DashboardFields::Count; ++k) {
        QMyLabel *label = m_fields[k];
        m_grid->removeWidget(label);
        if (cells[k] == DashboardFields::kNoCell) {
            label->hide();
            continue;
        }
        m_grid->addWidget(label, DashboardFields::rowOf(cells[k]), DashboardFields::columnOf(cells[k]));
        label->show();
    }
}

void DashboardView::applySettings()
{
    AppSettings settings;
    m_page.message->setText(settings.text(Setting::leMessage));
    m_page.title->setText(settings.text(Setting::leTitle));
    m_showFieldText = settings.text(Setting::ShowField);
    m_shown = DashboardFields::shownFields(m_showFieldText);
    for (int k = 0; k < DashboardFields::Count; ++k) {
        m_fields[k]->clear();
        if (shown(k) && k < DashboardFields::Sensor1)
            m_fields[k]->setName(DashboardFields::name(k));
    }
    reloadSensors();
    m_page.titleFrame->setFixedHeight(DashboardFields::storedTitlePixel());
    m_page.messageFrame->setFixedHeight(DashboardFields::storedMsgPixel());
}

void DashboardView::showTotals(const PlantTotals &totals, int knownDeviceCount)
{
    using F = DashboardFields;
    const QList<QPair<int, QString>> values = {
        {F::TotalYield, twoDecimals(totals.totalPower)},
        {F::Efficiency, twoDecimals(totals.efficiency)},
        {F::DcPower, QString::number(int(totals.dcPower))},
        {F::AcPower, QString::number(int(totals.acPower))},
        {F::DcAvgPower, average(totals.dcPower, knownDeviceCount)},
        {F::AcAvgPower, average(totals.acPower, knownDeviceCount)},
        {F::PowerGeneration, twoDecimals(m_todayEnergy)},
    };
    for (const auto &[k, value] : values) {
        if (shown(k))
            m_fields[k]->setValue(value, F::unit(k));
    }
}

void DashboardView::showEarning(const QString &text)
{
    if (shown(DashboardFields::Earning))
        m_fields[DashboardFields::Earning]->setValue(text);
}

void DashboardView::showCo2Reduction(const QString &text)
{
    if (shown(DashboardFields::Co2Reduction))
        m_fields[DashboardFields::Co2Reduction]->setValue(text, DashboardFields::unit(DashboardFields::Co2Reduction));
}

void DashboardView::refreshSensorFields()
{
    const auto sensorSlots =
        m_sensors.mainViewSlots(m_showFieldText, [this](const QString &text) { return m_numbers.format(text); });
    for (int i = 0; i < int(sensorSlots.size()); ++i) {
        const SensorSlot &slot = sensorSlots[size_t(i)];
        QMyLabel *label = m_fields[DashboardFields::Sensor1 + i];
        if (!slot.update)
            continue;
        if (slot.value.isEmpty()) {
            label->clear();
        } else {
            label->setName(slot.title);
            label->setValue(slot.value, slot.unit);
        }
    }
}

void DashboardView::reloadSensors()
{
    m_sensors.load(readSensorSettings());
    refreshSensorFields();
}

void DashboardView::setBackground(const QString &path)
{
    const QString declarations = DashboardAppearance::backgroundDeclarations(path);
    m_page.frame->setStyleSheet(
        declarations.isEmpty() ? QString() : QStringLiteral("#%1 {%2}").arg(m_page.frame->objectName(), declarations));
    loadFonts();
}

void DashboardView::loadFonts()
{
    AppSettings settings;
    const auto stored = [&settings](const SettingKey &key, const QFont &defaultFont) {
        QFont font = defaultFont;
        DashboardAppearance::parseFontSetting(settings.text(key), font);
        return font;
    };
    setHeaderFont(stored(Setting::HEADER_FONT, m_defaultHeaderFont));
    setMessageFont(stored(Setting::MESSAGE_FONT, m_defaultMessageFont));
    setViewFont(stored(Setting::VIEW_FONT, m_defaultViewFont));
}

void DashboardView::loadColors()
{
    AppSettings settings;
    setHeaderColor(DashboardAppearance::parseColorSetting(settings.text(Setting::HEADER_RGB)));
    setViewColor(DashboardAppearance::parseColorSetting(settings.text(Setting::VIEW_RGB)));
    setMessageColor(DashboardAppearance::parseColorSetting(settings.text(Setting::MSG_RGB)));
}

QFont DashboardView::headerFont() const
{
    return m_page.title->font();
}

QFont DashboardView::viewFont() const
{
    return m_fields.first()->labelFont();
}

QFont DashboardView::messageFont() const
{
    return m_page.message->font();
}

void DashboardView::setHeaderFont(const QFont &font)
{
    m_page.title->setFont(font);
}

void DashboardView::setViewFont(const QFont &font)
{
    for (QMyLabel *label : qAsConst(m_fields))
        label->setLabelFont(font);
}

void DashboardView::setMessageFont(const QFont &font)
{
    m_page.message->setFont(font);
}

void DashboardView::setHeaderColor(const QColor &color)
{
    m_page.title->setStyleSheet(DashboardAppearance::colorStyleSheet(color));
}

void DashboardView::setViewColor(const QColor &color)
{
    for (QMyLabel *label : qAsConst(m_fields))
        label->setLabelStyleSheet(DashboardAppearance::colorStyleSheet(color));
}

void DashboardView::setMessageColor(const QColor &color)
{
    const QString sheet = DashboardAppearance::colorStyleSheet(color);
    m_page.message->setStyleSheet(sheet);
    m_page.state->setStyleSheet(sheet);
}
