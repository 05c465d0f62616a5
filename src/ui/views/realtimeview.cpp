#include "ui/views/realtimeview.h"

#include "base/numbertext.h"
#include "base/prompter.h"
#include "history/groupstore.h"
#include "ui/views/parameterview.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimedisplay.h"
#include "ui_realtimeview.h"

namespace {

// A firmware version stored as version x 100: 123 shows 1.23, with its dot in every language.
QString versionText(const QString &stored)
{
    return QString::asprintf("%#.2f", double(float(stored.toInt() * 0.01)));
}

} // namespace

RealTimeView::RealTimeView(ParameterView *parameters, PasswordCheck passwordCheck, Prompter &prompter,
                           const NumberText &numbers, QWidget *parent)
    : QWidget(parent)
    , m_ui(new Ui::RealTimeView)
    , m_parameters(parameters)
    , m_passwordCheck(std::move(passwordCheck))
    , m_prompter(prompter)
    , m_numbers(numbers)
{
    m_ui->setupUi(this);
    m_tree = new QMyTreeWidget(this);
    m_ui->realTimeGrid->addWidget(m_tree, 0, 0);
    m_parameters->setParent(m_ui->tab_parameter);
    m_ui->parameterPageLayout->addWidget(m_parameters);
    m_display = std::make_unique<RealTimeDisplay>(
        m_ui->tbParameter, m_ui->textStatusCode,
        std::array<QListWidget *, 4>{m_ui->listErr1, m_ui->listErr2, m_ui->listErr3, m_ui->listErr4}, numbers);

    connect(m_tree, &QTreeWidget::itemClicked, this, &RealTimeView::inverterClick);
    connect(m_tree, &QMyTreeWidget::tree_item_changed, this, &RealTimeView::recvTreeItemChange);
    connect(m_ui->btnAddGroup, &QPushButton::clicked, this, &RealTimeView::addGroup);
    connect(m_ui->btnGroupDel, &QPushButton::clicked, this, &RealTimeView::deleteGroup);
    connect(m_ui->btnInverterDel, &QPushButton::clicked, this, &RealTimeView::deleteInverter);
    connect(m_ui->btnUpGroup, &QPushButton::clicked, this, &RealTimeView::upGroup);
    connect(m_ui->btnDownGroup, &QPushButton::clicked, this, &RealTimeView::downGroup);
    connect(m_ui->realTimeSubTab, &QTabWidget::currentChanged, this, &RealTimeView::subTabChange);

    buildGroupInverter();
}

RealTimeView::~RealTimeView() = default;

void RealTimeView::buildGroupInverter()
{
    m_tree->rebuild(QMyTreeWidget::knownSerials(m_devices));
}

void RealTimeView::recvTreeItemChange()
{
    inverterClick(m_tree->currentItem(), 0);
}

void RealTimeView::inverterClick(QTreeWidgetItem *item, int)
{
    const QString serial = QMyTreeWidget::serialOf(item);
    if (serial.isEmpty()) {
        clearSelection(item);
        return;
    }
    m_display->clear();
    m_ui->realTimeSubTab->setEnabled(true);
    m_parameters->setInverter(0);
    const DbRow row = GroupStore::inverterRow(serial);
    if (row.isEmpty())
        return;
    if (row.value(QStringLiteral("online")).toInt() == 0) {
        m_ui->realTimeSubTab->setCurrentIndex(InformationPage);
        m_selectedAddress = 0;
    } else {
        m_selectedAddress = row.value(QStringLiteral("addr")).toInt();
        m_parameters->setInverter(m_selectedAddress);
        showRealtimeData();
        m_parameters->display();
    }
    showInformation(item, row);
    m_ui->btnGroupDel->setEnabled(false);
    for (QPushButton *button : {m_ui->btnUpGroup, m_ui->btnDownGroup, m_ui->btnAddGroup, m_ui->btnInverterDel})
        button->setEnabled(true);
}

void RealTimeView::showInformation(const QTreeWidgetItem *item, const DbRow &row)
{
    m_infoAddress = row.value(QStringLiteral("addr")).toInt();
    showLineHealth();
    m_ui->leGroupName->setText(item->parent()->text(0));
    m_ui->leDeviceType->setText(row.value(QStringLiteral("type_name")));
    m_ui->leDeviceAddress->setText(row.value(QStringLiteral("addr")));
    m_ui->leDeviceSN->setText(row.value(QStringLiteral("sn_name")));
    m_ui->leDSP1Ver->setText(versionText(row.value(QStringLiteral("current_ver"))));
    m_ui->leDSP2Ver->setText(versionText(row.value(QStringLiteral("sequence_ver"))));
}

void RealTimeView::showLineHealth()
{
    const LinkStats stats = m_devices.value(m_infoAddress).link; // no counts for an address not asked yet
    const LinkCounts &c = stats.counts;
    const bool counted = c.exchanges > 0;
    const auto count = [counted](qint64 n) { return counted ? QString::number(n) : QString(); };
    m_ui->leLinkQuality->setText(counted ? tr("%1 %").arg(m_numbers.format(stats.linkQuality(), 'f', 1)) : QString());
    m_ui->leLinkQuality->setStyleSheet(stats.isWeak() ? QStringLiteral("background-color: rgb(255, 205, 205);")
                                                      : QString());
    m_ui->leLinkQuality->setToolTip(stats.isWeak() ? tr("Below 95 %: check the cable, its terminator and the "
                                                        "inverter's transceiver.")
                                                   : QString());
    m_ui->leExchanges->setText(
        counted
            ? tr("%1 (%2 right on the first try, %3 after a retry)").arg(c.exchanges).arg(c.firstTry).arg(c.retriedOk)
            : QString());
    m_ui->leTimeouts->setText(count(c.timeouts));
    m_ui->leCrcErrors->setText(count(c.crcErrors));
    m_ui->leShortReplies->setText(count(c.shortReplies));
    m_ui->leWrongReplies->setText(
        counted ? QStringLiteral("%1 / %2 / %3").arg(c.wrongAddress).arg(c.wrongFunction).arg(c.wrongLength)
                : QString());
    m_ui->leRoundTrip->setText(stats.roundTripLastMs < 0 ? QString()
                                                         : tr("%1 ms; mean %2 ms, 95 % within %3 ms")
                                                               .arg(m_numbers.format(stats.roundTripLastMs, 'f', 1),
                                                                    m_numbers.format(stats.roundTripMeanMs, 'f', 1),
                                                                    m_numbers.format(stats.roundTripP95Ms, 'f', 1)));
}

void RealTimeView::clearSelection(const QTreeWidgetItem *item)
{
    m_selectedAddress = 0;
    m_infoAddress = 0;
    showLineHealth();
    for (QLineEdit *field : {m_ui->leGroupName, m_ui->leDeviceType, m_ui->leDeviceAddress, m_ui->leDeviceSN,
                             m_ui->leDSP1Ver, m_ui->leDSP2Ver})
        field->clear();
    m_parameters->setInverter(0);
    m_display->clear();
    m_ui->realTimeSubTab->setEnabled(false);
    for (QPushButton *button : {m_ui->btnUpGroup, m_ui->btnDownGroup, m_ui->btnInverterDel})
        button->setEnabled(false);
    m_ui->btnAddGroup->setEnabled(true);
    if (item && !item->parent() && !QMyTreeWidget::isUngrouped(item))
        m_ui->btnGroupDel->setEnabled(true);
}

void RealTimeView::showRealtimeData()
{
    if (m_selectedAddress <= 0)
        return;
    const auto device = m_devices.constFind(m_selectedAddress);
    const bool known = device != m_devices.cend();
    m_ui->realTimeSubTab->setTabEnabled(RealTimePage, known);
    m_ui->realTimeSubTab->setTabEnabled(ParameterPage, known);
    if (!known)
        return;
    m_display->show(*device);
    if (const std::optional<double> energy = RealTimeDisplay::todayEnergy(*device))
        emit todayEnergyShown(*energy);
}

void RealTimeView::subTabChange(int index)
{
    if (index == InformationPage)
        return;
    const auto device = m_selectedAddress > 0 ? m_devices.constFind(m_selectedAddress) : m_devices.cend();
    // The password is asked every time the parameter page is entered.
    const bool allowed =
        device != m_devices.cend() && !device->isOffline() && (index != ParameterPage || m_passwordCheck());
    if (!allowed)
        m_ui->realTimeSubTab->setCurrentIndex(InformationPage);
    else if (index == ParameterPage)
        m_parameters->display();
}

void RealTimeView::showInformationPage()
{
    m_ui->realTimeSubTab->setCurrentIndex(InformationPage);
}

void RealTimeView::addGroup()
{
    const std::optional<QString> answer = m_prompter.inputText(tr("add Group"), tr("Group name:"), QString());
    const QString name = answer ? answer->trimmed() : QString();
    if (name.isEmpty())
        return;
    const QString title = tr("Lumora Data Manager");
    if (GroupStore::groupId(name)) {
        m_prompter.message(Prompter::Level::Information, title, tr("This group name existed!"));
        return;
    }
    if (GroupStore::addGroup(name))
        buildGroupInverter();
    else
        m_prompter.message(Prompter::Level::Warning, title, tr("Add fail!"));
}

void RealTimeView::deleteGroup()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!item || QMyTreeWidget::isUngrouped(item->parent()))
        return;
    if (!QMyTreeWidget::isInverter(item)) {
        if (m_prompter.question(tr("Confirm"), tr("Delete this group and all children?"))) {
            if (const std::optional<int> group = QMyTreeWidget::groupIdOf(item))
                GroupStore::deleteGroup(*group);
        }
    } else {
        const std::optional<int> inverter = GroupStore::inverterId(QMyTreeWidget::serialOf(item));
        const std::optional<int> group = QMyTreeWidget::groupIdOf(item->parent());
        if (inverter && group)
            GroupStore::removeMembership(*inverter, *group);
    }
    buildGroupInverter();
}

void RealTimeView::deleteInverter()
{
    QTreeWidgetItem *item = m_tree->currentItem();
    if (!QMyTreeWidget::isInverter(item) || item->parent()->text(0) == tr("Inverter"))
        return;
    if (!m_prompter.question(tr("Confirm"), tr("Delete this inverter?")))
        return;
    const QString serial = QMyTreeWidget::serialOf(item);
    delete item;
    // The polling records an inverter that still answers again; the tree shows it after the next rebuild.
    if (GroupStore::deleteInverter(serial))
        emit inverterDeleted(serial);
}

void RealTimeView::upGroup()
{
    m_tree->moveCurrentInverter(-1);
}

void RealTimeView::downGroup()
{
    m_tree->moveCurrentInverter(1);
}

void RealTimeView::refresh(const DeviceSnapshot &devices)
{
    m_devices = devices;
    showRealtimeData();
    showLineHealth();
    m_parameters->refresh(devices);
}
