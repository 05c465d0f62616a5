#include "ui/views/parameterview.h"

#include "base/log.h"
#include "base/numbertext.h"
#include "base/prompter.h"
#include "device/paramtables.h"
#include "ui/linelender.h"
#include "ui/qprogresswin.h"
#include "ui/views/parameterwriter.h"
#include "ui_parameterview.h"

namespace {

// The log lines name the window's source file, as they always have.
const char *const kLogFile = "cmain";

// The word of an item in the information block: item index i at word position i
// (counted from 1), except the last two items, which have positions 18 and 19.
quint16 infoWord(const DeviceRecord &device, int index)
{
    const int position = index == 21 ? 18 : index == 22 ? 19 : index;
    const size_t offset = size_t(position - 1) * 2;
    const DeviceRecord::InfoBlock &block = device.infoBlock();
    return quint16((block[offset] << 8) | block[offset + 1]);
}

QString notAvailable()
{
    return QStringLiteral("N/A");
}

} // namespace

ParameterView::ParameterView(QProgressWin *progress, LineLender &lender, CSerial &port, Prompter &prompter,
                             const NumberText &numbers, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::ParameterView)
    , m_progress(progress)
    , m_lender(lender)
    , m_port(port)
    , m_prompter(prompter)
    , m_numbers(numbers)
{
    m_ui->setupUi(this);
    connect(m_ui->table_para, &QTableWidget::itemClicked, this, &ParameterView::itemClick);
    connect(m_ui->btnSave, &QPushButton::clicked, this, &ParameterView::save);
}

ParameterView::~ParameterView() = default;

void ParameterView::setInverter(int address)
{
    m_address = address;
    m_ui->btnSave->setEnabled(false);
    m_ui->lblRange->clear();
    if (address <= 0) {
        m_ui->table_para->clearContents();
        m_ui->edNewValue->clear();
    }
}

std::optional<DeviceRecord> ParameterView::device(int address) const
{
    const auto found = m_devices.constFind(address);
    return found == m_devices.cend() ? std::nullopt : std::optional<DeviceRecord>(*found);
}

void ParameterView::display()
{
    if (m_address <= 0 || m_devices.isEmpty() || m_saving)
        return;
    QTableWidget *table = m_ui->table_para;
    table->clearContents();
    m_ui->edNewValue->clear();
    m_items.clear();
    const std::optional<DeviceRecord> device = this->device(m_address);
    if (!device)
        return;
    m_family = device->family();
    m_items = paramSetFor(device->versionw3, device->type_no);
    table->setRowCount(m_items.size());
    // The values take the rest of the table, inside its frame and row numbers (no horizontal scroll bar).
    if (table->width() > 300)
        table->setColumnWidth(1, table->viewport()->width() - table->columnWidth(0));
    for (int row = 0; row < m_items.size(); ++row) {
        const EEPromSet *item = paramItem(m_items, paramRowToIndex(row));
        table->setItem(row, 0, new QTableWidgetItem(item ? translatedName(*item) : QString()));
        table->setItem(row, 1, new QTableWidgetItem);
    }
    showValues();
}

void ParameterView::showValues()
{
    const std::optional<DeviceRecord> device = this->device(m_address);
    if (!device)
        return;
    QTableWidget *table = m_ui->table_para;
    for (int row = 0; row < table->rowCount(); ++row) {
        const int index = paramRowToIndex(row);
        const EEPromSet *item = paramItem(m_items, index);
        QTableWidgetItem *cell = table->item(row, 1);
        if (!item || !cell)
            continue;
        const double value = paramShownValue(m_family, index, infoWord(*device, index), device->nominal_fac);
        cell->setText(item->name == notAvailable() ? QStringLiteral("0")
                                                   : m_numbers.format(value, 'f', 2) + QLatin1Char(' ') + item->unit);
    }
}

void ParameterView::itemClick(QTableWidgetItem *item)
{
    if (!item)
        return;
    const int row = item->row();
    const EEPromSet *setting = paramItem(m_items, paramRowToIndex(row));
    m_ui->lblRange->clear();
    if (setting && setting->name == notAvailable()) {
        // A register the family does not offer.
        m_ui->edNewValue->clear();
        m_ui->btnSave->setEnabled(false);
        return;
    }
    m_ui->btnSave->setEnabled(true);
    const QTableWidgetItem *value = m_ui->table_para->item(row, 1);
    m_ui->edNewValue->setText(value ? value->text().section(QLatin1Char(' '), 0, 0) : QString());
    if (setting)
        m_ui->lblRange->setText(QStringLiteral("%1 ~ %2 %3")
                                    .arg(m_numbers.format(setting->minimum, 'f', 2),
                                         m_numbers.format(setting->maximum, 'f', 2), setting->unit));
}

void ParameterView::invalidValue()
{
    m_prompter.message(Prompter::Level::Warning, tr("Error"), tr("The value is not valid!"));
    m_ui->edNewValue->setFocus();
}

void ParameterView::save()
{
    QTableWidget *table = m_ui->table_para;
    if (m_address <= 0 || !table->currentItem() || m_saving)
        return;
    bool ok = false;
    const double value = m_numbers.parse(m_ui->edNewValue->text(), &ok);
    if (!ok) {
        invalidValue();
        return;
    }
    const int row = table->currentRow();
    const int index = paramRowToIndex(row);
    const EEPromSet *setting = paramItem(m_items, index);
    if (!setting) {
        write_log(QStringLiteral("[Error] save parameter, no EE item, line %1, file %2")
                      .arg(__LINE__)
                      .arg(QLatin1String(kLogFile)));
        return;
    }
    const std::optional<DeviceRecord> device = this->device(m_address);
    const std::optional<quint16> word =
        device ? paramWordFor(m_family, index, value, device->nominal_fac) : std::nullopt;
    // A value outside the range, or one whose word does not fit the register.
    if (!paramValueValid(*setting, value) || !word) {
        invalidValue();
        return;
    }
    const PendingWrite pending{m_address, row, index, value, *word, setting->unit};
    m_saving = true;
    m_progress->setText(tr("Setting parameter, please waiting..."));
    m_ui->btnSave->setEnabled(false);
    m_progress->open(); // over the window, which takes no input meanwhile
    // Polling waits between two cycles meanwhile; refused while a search has the line (the user is told).
    if (m_lender.borrowLine()) {
        const bool written = write(pending);
        m_lender.returnLine();
        if (written) {
            showWritten(pending);
        } else {
            m_progress->setText(tr("continue to monitoring, please waiting..."));
            m_prompter.message(Prompter::Level::Warning, tr("Warning"), tr("Save fail."));
        }
    }
    endSave();
}

bool ParameterView::write(const PendingWrite &pending)
{
    // The records may have changed while the line was on its way.
    const std::optional<DeviceRecord> device = this->device(pending.address);
    if (!device) {
        write_log(QStringLiteral("pDevice null at %1, in %2").arg(__LINE__).arg(QLatin1String(kLogFile)));
        return false;
    }
    if (!paramItem(paramSetFor(device->versionw3, device->type_no), pending.index)) {
        write_log(QStringLiteral("[ERROR] no this eeItem, index(addr) = %1, type_no = %2, versionW3 = %3, line %4, "
                                 "file %5")
                      .arg(pending.index)
                      .arg(device->type_no)
                      .arg(device->versionw3)
                      .arg(__LINE__)
                      .arg(QLatin1String(kLogFile)));
        return false;
    }
    ParameterWriter writer(m_port);
    return writer.writeKeepingEventsTurning(quint8(pending.address), quint16(pending.index), pending.word);
}

void ParameterView::showWritten(const PendingWrite &pending)
{
    QTableWidgetItem *cell = m_ui->table_para->item(pending.row, 1);
    // As the cycles show it.
    if (pending.address == m_address && cell)
        cell->setText(m_numbers.format(pending.value, 'f', 2) + QLatin1Char(' ') + pending.unit);
}

void ParameterView::endSave()
{
    m_saving = false;
    m_ui->btnSave->setEnabled(true);
    m_progress->close();
}

void ParameterView::refresh(const DeviceSnapshot &devices)
{
    m_devices = devices;
    if (m_saving || m_address <= 0)
        return;
    const std::optional<DeviceRecord> device = this->device(m_address);
    if (device && paramSetFor(device->versionw3, device->type_no) != m_items)
        display(); // another grid standard: other rows
    else
        showValues();
}
