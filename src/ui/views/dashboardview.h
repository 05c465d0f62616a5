#pragma once

#include "monitor/planttotals.h"

#include <QSet>
#include <QVector>
#include <QWidget>

class NumberText;
class QFrame;
class QGridLayout;
class QLabel;
class QMyLabel;
class SensorList;

// The dashboard of the Main page: the thirteen plant fields in a 7 x 4 grid,
// the title and message lines around them, their fonts and colours, and the
// background picture behind all of it. Everything it shows is set in app.ini;
// the sensor fields show the sensor list's latest values.
class DashboardView : public QWidget
{
    Q_OBJECT

public:
    // The Main page's own widgets that the dashboard styles and sizes.
    struct Page
    {
        QFrame *frame;         // carries the background picture
        QWidget *titleFrame;   // its height is TitlePixel
        QLabel *title;         // lblTitle
        QWidget *messageFrame; // its height is MsgPixel
        QLabel *message;       // lblMessage
        QLabel *state;         // rightTopLabel, the monitoring state over the picture: the message colour
    };

    DashboardView(const Page &page, SensorList &sensors, const NumberText &numbers, QWidget *parent = nullptr);
    ~DashboardView() override;

    QMyLabel *field(int index) const { return m_fields.value(index); }

    // Puts every field into its VIEW_SEQ cell; fields without a cell are hidden.
    void arrange();
    // Title and message texts, shown fields with their names, the sensor
    // fields and the line heights, from app.ini.
    void applySettings();

    // The totals of the plant-totals thread; the averages are per known device.
    void showTotals(const PlantTotals &totals, int knownDeviceCount);
    // "Power Generation": today's energy in kWh of the inverter the real-time page showed last.
    void setTodayEnergy(double kWh) { m_todayEnergy = kWh; }
    void showEarning(const QString &text);
    void showCo2Reduction(const QString &text);
    // The sensor fields from the sensor list's latest values.
    void refreshSensorFields();
    // Reads the sensor definitions again, then refreshes the sensor fields.
    void reloadSensors();

    // The picture behind the page (an empty path: none); then the fonts again.
    void setBackground(const QString &path);
    void loadFonts();
    void loadColors();

    QFont headerFont() const;
    QFont viewFont() const;
    QFont messageFont() const;
    void setHeaderFont(const QFont &font);
    void setViewFont(const QFont &font);
    void setMessageFont(const QFont &font);
    void setHeaderColor(const QColor &color);
    void setViewColor(const QColor &color);
    void setMessageColor(const QColor &color);

private:
    bool shown(int field) const { return m_shown.contains(field); }

    Page m_page;
    SensorList &m_sensors;
    const NumberText &m_numbers;
    double m_todayEnergy = 0;
    QFont m_defaultHeaderFont;
    QFont m_defaultViewFont;
    QFont m_defaultMessageFont;
    QGridLayout *m_grid;
    QVector<QMyLabel *> m_fields;
    QSet<int> m_shown;
    QString m_showFieldText;
};
