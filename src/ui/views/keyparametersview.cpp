#include "ui/views/keyparametersview.h"

#include "base/numbertext.h"
#include "device/keyparametercodes.h"
#include "monitor/programstate.h"
#include "ui_keyparametersview.h"

#include <QScrollBar>

using namespace KeyParameterCodes;

namespace {

enum Role { AddressRole = Qt::UserRole, NumberRole };

// A value cell that sorts by its number, not by its text.
class ValueItem : public QTableWidgetItem
{
public:
    using QTableWidgetItem::QTableWidgetItem;

    bool operator<(const QTableWidgetItem &other) const override
    {
        const QVariant mine = data(NumberRole);
        const QVariant theirs = other.data(NumberRole);
        if (mine.isValid() != theirs.isValid())
            return !mine.isValid(); // empty cells first
        if (!mine.isValid())
            return QTableWidgetItem::operator<(other);
        return mine.toDouble() < theirs.toDouble();
    }
};

QTableWidgetItem *readOnly(QTableWidgetItem *item)
{
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

KeyParametersView::KeyParametersView(const NumberText &numbers, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::KeyParametersView)
    , m_numbers(numbers)
{
    m_ui->setupUi(this);
    m_selectors = {m_ui->cb0, m_ui->cb1, m_ui->cb2, m_ui->cb3, m_ui->cb4};
    QStringList choices;
    for (int code : keyParamCodes())
        choices << choiceText(code);
    for (int k = 0; k < kSelectors; ++k) {
        m_selectors[size_t(k)]->addItems(choices);
        m_selectors[size_t(k)]->setCurrentIndex(k);
    }

    QTableWidget *table = m_ui->table_key_para;
    table->setColumnWidth(0, 250);
    for (int column = 1; column <= kSelectors; ++column)
        table->setColumnWidth(column, 100);
    // Rows stay in bus-address order until the user picks a column to sort by.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    headerChange(0);

    for (QComboBox *selector : m_selectors) {
        connect(selector, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
            headerChange(index);
            display();
        });
    }
}

KeyParametersView::~KeyParametersView() = default;

int KeyParametersView::selectedCode(const QComboBox *selector) const
{
    return keyParamCodes().value(selector->currentIndex(), 0);
}

void KeyParametersView::headerChange(int)
{
    for (int column = 0; column < kSelectors; ++column)
        headerChangeHelp(column, m_selectors[size_t(column)]);
}

void KeyParametersView::headerChangeHelp(int column, QComboBox *selector)
{
    const std::optional<QString> title = headerText(selectedCode(selector));
    if (!title)
        return;
    QTableWidget *table = m_ui->table_key_para;
    QTableWidgetItem *header = table->horizontalHeaderItem(column + 1);
    if (!header) {
        header = new QTableWidgetItem;
        table->setHorizontalHeaderItem(column + 1, header);
    }
    header->setText(*title);
    // A long title (a translated "Link quality") widens its column rather than being cut.
    table->setColumnWidth(column + 1,
                          qMax(table->columnWidth(column + 1), table->horizontalHeader()->sectionSizeHint(column + 1)));
}

void KeyParametersView::refresh(const DeviceSnapshot &devices)
{
    m_devices = devices;
    display();
}

void KeyParametersView::display()
{
    QTableWidget *table = m_ui->table_key_para;
    const QTableWidgetItem *current = table->currentItem();
    const QVariant currentAddress = current ? table->item(current->row(), 0)->data(AddressRole) : QVariant();
    const int currentColumn = current ? current->column() : 0;
    const int scroll = table->verticalScrollBar()->value();

    std::array<int, kSelectors> codes{};
    for (size_t k = 0; k < codes.size(); ++k)
        codes[k] = selectedCode(m_selectors[k]);

    // Sorting moves rows while they are filled: it is applied once they are complete.
    table->setSortingEnabled(false);
    table->clearContents();
    table->setRowCount(m_devices.size());
    int row = 0;
    for (auto device = m_devices.cbegin(); device != m_devices.cend(); ++device, ++row) {
        auto *name = readOnly(new QTableWidgetItem(device->brand_name + QLatin1Char(' ') + device->sn_name));
        name->setData(AddressRole, device.key());
        name->setBackground(device->isOffline() ? Qt::red : device->hasFault() ? Qt::yellow : Qt::green);
        table->setItem(row, 0, name);
        for (int k = 0; k < kSelectors; ++k) {
            auto *cell = readOnly(new ValueItem);
            if (const std::optional<Value> value = valueOf(*device, codes[size_t(k)])) {
                cell->setText(QStringLiteral("%1 %2").arg(m_numbers.format(value->value), value->unit).trimmed());
                cell->setData(NumberRole, value->value);
            }
            table->setItem(row, k + 1, cell);
        }
    }
    table->setSortingEnabled(true);

    for (int r = 0; r < table->rowCount() && currentAddress.isValid(); ++r) {
        if (table->item(r, 0)->data(AddressRole) == currentAddress)
            table->setCurrentCell(r, currentColumn);
    }
    table->verticalScrollBar()->setValue(scroll);
}
