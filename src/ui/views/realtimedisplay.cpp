#include "ui/views/realtimedisplay.h"

#include "base/numbertext.h"
#include "device/devicerecord.h"
#include "device/errortables.h"
#include "device/monitortables.h"
#include "device/statetables.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

namespace {

QTableWidgetItem *readOnlyItem()
{
    auto *item = new QTableWidgetItem;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

void showLines(QListWidget *list, const QStringList &lines)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->item(i)->text();
    if (shown == lines)
        return; // keeps the list's scroll position and selection
    list->clear();
    list->addItems(lines);
}

} // namespace

RealTimeDisplay::RealTimeDisplay(QTableWidget *table, QLineEdit *statusCode,
                                 const std::array<QListWidget *, 4> &errorLists, const NumberText &numbers)
    : m_table(table)
    , m_statusCode(statusCode)
    , m_errorLists(errorLists)
    , m_numbers(numbers)
{
    m_table->setRowCount(kTableRows);
    clear();
}

QString RealTimeDisplay::number(double value) const
{
    return m_numbers.format(value);
}

QString RealTimeDisplay::fixed(double value) const
{
    return m_numbers.format(value, 'f', 2);
}

void RealTimeDisplay::setRow(int row, const QString &label, const QString &value, const QString &tooltip)
{
    if (row >= m_table->rowCount())
        m_table->setRowCount(row + 1);
    for (int column = 0; column < 2; ++column) {
        if (!m_table->item(row, column))
            m_table->setItem(row, column, readOnlyItem());
    }
    m_table->item(row, 0)->setText(label);
    m_table->item(row, 0)->setToolTip(tooltip);
    m_table->item(row, 1)->setText(value);
}

void RealTimeDisplay::addRow(const QString &label, const QString &value, const QString &tooltip)
{
    setRow(m_rowCounter++, label, value, tooltip);
}

void RealTimeDisplay::clear()
{
    m_rowCounter = 0;
    for (int row = 0; row < m_table->rowCount(); ++row)
        setRow(row, QString(), QString(), QString());
    m_statusCode->clear();
    for (QListWidget *list : m_errorLists)
        list->clear();
}

void RealTimeDisplay::appendRegister(const quint8 *block, int registerNo, double scale, const QString &label,
                                     const QString &unit, const QString &tooltip)
{
    const int offset = (registerNo - DeviceRecord::kFirstMonitorRegister) * 2;
    if (offset < 0 || offset + 1 >= DeviceRecord::kMonitorBlockSize)
        return;
    QString name = label.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    const auto word = quint16((block[offset] << 8) | block[offset + 1]);
    const bool isSigned = registerNo == 206 || unit == QLatin1String("C") || unit == QLatin1String(" C");
    const double value = (isSigned ? double(qint16(word)) : double(word)) * scale;
    addRow(name, number(value) + QLatin1Char(' ') + unit.trimmed(), tooltip);
}

void RealTimeDisplay::appendText(const QString &text, const QString &tooltip)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    addRow(text.left(colon).trimmed(), text.mid(colon + 1).trimmed(), tooltip);
}

std::optional<double> RealTimeDisplay::todayEnergy(const DeviceRecord &device)
{
    if (device.isUSA1Family())
        return std::nullopt;
    return device.word(217) * 0.1;
}

void RealTimeDisplay::show(const DeviceRecord &device)
{
    m_rowCounter = 0;
    if (device.isUSA1Family())
        showUSA1(device);
    else
        showClassic(device);
    for (int row = m_rowCounter; row < m_table->rowCount(); ++row)
        setRow(row, QString(), QString(), QString());

    m_statusCode->setText(translatedStateName(stateName(device.versionw3, device.state_code)));
    std::array<QStringList, 4> errors;
    for (const DecodedError &error : decodeErrors(device.versionw3, device.err1, device.err2, device.err3, device.err4))
        errors[size_t(error.word - 1)] << translatedDescription(*error.info);
    for (size_t word = 0; word < errors.size(); ++word)
        showLines(m_errorLists[word], errors[word]);
}

void RealTimeDisplay::showUSA1(const DeviceRecord &device)
{
    addRow(QStringLiteral("Pac"), fixed(device.ac_power) + QStringLiteral(" W"), QString());
    addRow(QStringLiteral("Pdc"), fixed(device.dc_power) + QStringLiteral(" W"), QString());
    const MonitorTable &table = MonitorRegistersUSA1();
    for (int reg = 186; reg <= 216; ++reg) {
        const MonitorData *entry = monitorEntry(table, reg);
        if (!entry)
            continue;
        const quint16 word = device.word(reg);
        const double raw = reg == 212 ? double(qint16(word)) : double(word);
        addRow(entry->name, fixed(raw * entry->scale) + QLatin1Char(' ') + entry->unit, entry->tooltip);
    }
}

void RealTimeDisplay::showClassic(const DeviceRecord &device)
{
    const quint8 *block = device.monitorBlock().data();
    const bool eur = device.isEURFamily();
    const bool threeStrings = eur && device.isThreeString();
    auto word = [&device](int reg) { return double(device.word(reg)); };
    // One row per string: A, then B on three-string models, then C.
    auto strings = [&](const char *label, int firstRegister, double scale, const char *unit, const QString &tip) {
        const char *const names[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            if (i == 1 && !threeStrings)
                continue;
            appendText(QStringLiteral("%1%2: %3 %4")
                           .arg(QLatin1String(label), QLatin1String(names[i]), number(word(firstRegister + i) * scale),
                                QLatin1String(unit)),
                       tip);
        }
    };

    addRow(tr("Total Yield(Eac)"), number(device.total_power) + QStringLiteral(" kWh"), tr("Total Yield"));
    addRow(tr("Total Output Time"),
           QString::asprintf("%02d:%02d:%02d", device.word(209), device.word(210), device.word(211)),
           tr("Total Output Time"));
    appendRegister(block, 193, 1.0, QStringLiteral("Pac: "), QStringLiteral(" W"), tr("Output power"));
    appendRegister(block, 192, 0.1, QStringLiteral("Vac: "), QStringLiteral(" V"), tr("Output voltage"));
    appendRegister(block, 194, 0.1, QStringLiteral("Iac: "), QStringLiteral(" A"), tr("Output current"));
    appendRegister(block, 195, 0.01, QStringLiteral("Fac: "), QStringLiteral(" Hz"), tr("Output frequency"));
    appendRegister(block, 247, 1.0, QStringLiteral("Pdc: "), QStringLiteral(" W"), tr("DC Power"));

    const QString power = tr("DC Power");
    const QString voltage = tr("DC Voltage");
    const QString current = tr("DC Current");
    double inputEnergy = word(198) + word(199) * 0.1;
    if (eur) {
        strings("Ppv", 189, 1.0, "W", power);
        strings("Vpv", 186, 0.1, "V", voltage);
        strings("Ipv", 225, 0.1, "A", current);
        inputEnergy += word(200) + word(201) * 0.1 + word(202) + word(203) * 0.1;
    } else {
        appendText(QStringLiteral("PpvA: %1 W").arg(number(device.dc_power)), power);
        appendText(QStringLiteral("VpvA: %1 V").arg(number(device.vpv)), voltage);
        appendText(QStringLiteral("IpvA: %1 A").arg(number(device.ipv)), current);
    }
    appendText(QStringLiteral("Epv: %1 kWh").arg(number(inputEnergy)), tr("Total input energy"));
    appendText(QStringLiteral("TIME_ON_TODAY: %1 H").arg(number(word(204) * 0.00048828125)), tr("Output time today"));

    appendRegister(block, 206, 0.1, QStringLiteral("TempHS: "), QStringLiteral(" C"), tr("Heatsink temperature"));
    appendRegister(block, 207, 0.01, QStringLiteral("Zac: "), QStringLiteral(" OHM"), tr("AC impedance"));
    appendRegister(block, 214, 0.1, QStringLiteral("Vac_TRIP: "), QStringLiteral(" V"), tr("Trip voltage"));
    appendRegister(block, 215, 0.01, QStringLiteral("Fac_TRIP: "), QStringLiteral(" Hz"), tr("Trip frequency"));
}
