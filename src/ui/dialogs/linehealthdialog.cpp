#include "ui/dialogs/linehealthdialog.h"

#include "base/numbertext.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QColor kWeakRow(255, 205, 205);

// A cell that shows a text and sorts by a number.
class NumberItem : public QTableWidgetItem
{
public:
    NumberItem(const QString &text, double number)
        : QTableWidgetItem(text)
    {
        setData(Qt::UserRole, number);
        setFlags(flags() & ~Qt::ItemIsEditable);
    }

    bool operator<(const QTableWidgetItem &other) const override
    {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

} // namespace

LineHealthDialog::LineHealthDialog(const NumberText &numbers, QWidget *parent)
    : QDialog(parent)
    , m_numbers(numbers)
    , m_table(new QTableWidget(0, ColumnCount, this))
{
    setObjectName(QStringLiteral("LineHealthDialog"));
    setWindowTitle(tr("Line health"));
    setWindowIcon(QIcon(QStringLiteral(":/DataManager/Resources/icon/connect.png")));
    m_table->setObjectName(QStringLiteral("tableLineHealth"));
    m_table->setAccessibleName(windowTitle());
    m_table->setHorizontalHeaderLabels({tr("Device"), tr("Link\nquality %"), tr("Exchanges"), tr("First\ntry"),
                                        tr("After a\nretry"), tr("Timeouts"), tr("CRC\nerrors"), tr("Short\nreplies"),
                                        tr("Wrong address /\nfunction / length"),
                                        tr("Round trip (ms)\nlast / mean / 95 %")});
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Devices in line order until the user picks a column to sort by.
    m_table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);

    auto *legend = new QLabel(tr("Counts since the program started. Exchanges: requests with their retry. Link "
                                 "quality: the share answered correctly on the first try; below 95 % the device is "
                                 "marked."),
                              this);
    legend->setObjectName(QStringLiteral("lblLineHealthLegend"));
    legend->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("lineHealthButtons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(legend);
    layout->addWidget(buttons);
    resize(1250, 440);
}

// One decimal, empty for the -1 of "none yet".
QString LineHealthDialog::measureText(double value) const
{
    return value < 0 ? QString() : m_numbers.format(value, 'f', 1);
}

void LineHealthDialog::showReport(const LineHealthReport &report, const QMap<int, QString> &serials)
{
    // Sorting moves rows while they are filled: it is applied once they are complete.
    m_table->setSortingEnabled(false);
    m_table->setRowCount(report.size());
    for (int row = 0; row < report.size(); ++row)
        fillRow(row, report[row], serials);
    m_table->setSortingEnabled(true);
    m_table->resizeRowsToContents();
}

void LineHealthDialog::fillRow(int row, const LinkStats &stats, const QMap<int, QString> &serials)
{
    const LineDevice &device = stats.device;
    const QString serial = device.isSensor() ? QString() : serials.value(device.address);
    QString name = device.isSensor() ? tr("Sensor %1").arg(device.address) : tr("Inverter %1").arg(device.address);
    if (!serial.isEmpty())
        name += QLatin1Char('\n') + serial; // on a line of its own: the columns keep the room
    const LinkCounts &c = stats.counts;
    const QList<qint64> counts = {c.exchanges, c.firstTry, c.retriedOk, c.timeouts, c.crcErrors, c.shortReplies};

    // Sensors after the inverters, each by address.
    auto *deviceItem = new NumberItem(name, (device.isSensor() ? 1000 : 0) + device.address);
    m_table->setItem(row, DeviceColumn, deviceItem);
    m_table->setItem(row, QualityColumn, new NumberItem(measureText(stats.linkQuality()), stats.linkQuality()));
    for (int i = 0; i < counts.size(); ++i)
        m_table->setItem(row, ExchangesColumn + i, new NumberItem(QString::number(counts[i]), double(counts[i])));
    m_table->setItem(
        row, WrongColumn,
        new NumberItem(QStringLiteral("%1 / %2 / %3").arg(c.wrongAddress).arg(c.wrongFunction).arg(c.wrongLength),
                       double(c.wrongAddress + c.wrongFunction + c.wrongLength)));
    const QString times = stats.roundTripP95Ms < 0
                              ? QString()
                              : QStringLiteral("%1 / %2 / %3")
                                    .arg(measureText(stats.roundTripLastMs), measureText(stats.roundTripMeanMs),
                                         measureText(stats.roundTripP95Ms));
    m_table->setItem(row, RoundTripColumn, new NumberItem(times, stats.roundTripP95Ms));

    const bool weak = stats.isWeak();
    deviceItem->setIcon(weak ? QIcon(QStringLiteral(":/DataManager/Resources/icon/error.png")) : QIcon());
    deviceItem->setToolTip(weak ? tr("Link quality below 95 %: check the cable, its terminator and the device's "
                                     "transceiver.")
                                : QString());
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem *item = m_table->item(row, column);
        item->setBackground(weak ? QBrush(kWeakRow) : QBrush());
        if (column != DeviceColumn)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}
