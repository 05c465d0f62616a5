#include "ui/dialogs/qalarmconfig.h"

#include "base/appsettings.h"
#include "base/prompter.h"
#include "device/errortables.h"
#include "device/statetables.h"
#include "monitor/alarmselection.h"
#include "monitor/mailsettings.h"
#include "monitor/programstate.h"
#include "ui/qprogresswin.h"
#include "ui_qalarmconfig.h"

#include <QCheckBox>
#include <QSignalBlocker>

namespace {
// The state codes of an event_type text: numbers joined by ",".
QList<int> eventCodes(const QString &text)
{
    QList<int> codes;
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int code = part.trimmed().toInt(&ok);
        if (ok)
            codes.append(code);
    }
    return codes;
}

QList<QPair<int, QString>> classicStates()
{
    QList<QPair<int, QString>> states;
    const ClassicStateNames &table = StateNamesClassic();
    for (int i = 0; i < ClassicStateNames::kCount; ++i)
        states.append({table.codes[size_t(i)], translatedStateName(table.names[size_t(i)])});
    return states;
}

QList<QPair<int, QString>> extendedStates()
{
    QList<QPair<int, QString>> states;
    const QMap<int, QString> &table = StateNamesExtended();
    for (auto it = table.begin(); it != table.end(); ++it)
        states.append({it.key(), translatedStateName(it.value())});
    return states;
}
} // namespace

QalarmConfig::QalarmConfig(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QalarmConfigClass)
    , m_events{&Setting::event_type, {}}
    , m_events83{&Setting::event_type_83, {}}
    , m_progress(new QProgressWin(this))
{
    m_ui->setupUi(this);
    m_progress->setText(MailTester::progressText());
    connect(&m_tester, &MailTester::finished, this, &QalarmConfig::mailTestEnded);
    for (int bit = 0; bit < AlarmSelection::kBitCount; ++bit) {
        auto *box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("cbBit%1").arg(bit));
        m_ui->bitsLayout->addWidget(box);
        m_bitBoxes.append(box);
    }
    addEventBoxes(m_events, classicStates(), m_ui->eventsLayout);
    addEventBoxes(m_events83, extendedStates(), m_ui->events83Layout);
    connect(m_ui->tabWidget, &QTabWidget::currentChanged, this, &QalarmConfig::tab_change);
}

QalarmConfig::~QalarmConfig() = default;

void QalarmConfig::addEventBoxes(EventBoxes &events, const QList<QPair<int, QString>> &states, QLayout *layout)
{
    for (const auto &[code, name] : states) {
        auto *box = new QCheckBox(name, this);
        box->setObjectName(QStringLiteral("%1_%2").arg(events.key->key()).arg(code));
        layout->addWidget(box);
        events.boxes.append({code, box});
    }
}

void QalarmConfig::showEvent(QShowEvent *event)
{
    const MailSettings settings = MailSettings::load();
    const Ui::QalarmConfigClass &ui = *m_ui;
    ui.leId->setText(settings.account);
    ui.lePwd->setText(settings.password);
    ui.leMail->setText(settings.server);
    {
        const QSignalBlocker keepPort(ui.cbEncryption);
        // A value the box does not offer shows as none; Apply then stores what is shown.
        ui.cbEncryption->setCurrentIndex(settings.encryption == MailEncryption::Unknown ? 0 : int(settings.encryption));
    }
    ui.lePort->setText(settings.port);
    ui.leSenderMail->setText(settings.sender);
    ui.listMail->clear();
    ui.listMail->addItems(settings.recipients);
    showBits();
    loadEvents();
    ui.btnApply->setEnabled(false);
    QDialog::showEvent(event);
}

void QalarmConfig::done(int result)
{
    if (isVisible()) { // the boxes show what was loaded
        storeBits();
        storeEvents();
    }
    QDialog::done(result);
}

MailSettings QalarmConfig::fields() const
{
    const Ui::QalarmConfigClass &ui = *m_ui;
    MailSettings settings;
    settings.account = ui.leId->text().trimmed();
    settings.password = ui.lePwd->text();
    settings.server = ui.leMail->text().trimmed();
    settings.port = ui.lePort->text().trimmed();
    settings.sender = ui.leSenderMail->text().trimmed();
    settings.encryption = MailEncryption(ui.cbEncryption->currentIndex());
    settings.caFile = MailSettings::storedCaFile();
    for (int row = 0; row < ui.listMail->count(); ++row)
        settings.recipients.append(ui.listMail->item(row)->text());
    return settings;
}

void QalarmConfig::editMade()
{
    m_ui->btnApply->setEnabled(true);
}

void QalarmConfig::showBits()
{
    m_shownRegion = m_ui->cbInverterType->currentIndex();
    m_shownWord = m_ui->cbErrorCode->currentIndex();
    const bool hasTable = AlarmSelection::hasErrorTable(m_shownRegion);
    const QList<int> chosen = AlarmSelection::bits(AppSettings(), m_shownRegion, m_shownWord);
    for (int bit = 0; bit < m_bitBoxes.size(); ++bit) {
        QCheckBox *box = m_bitBoxes[bit];
        const ErrorBitInfo *info =
            hasTable ? errorTable(DeviceFamily(m_shownRegion)).value(m_shownWord + 1).value(bit) : nullptr;
        box->setText(info ? translatedDescription(*info) : tr("N/A"));
        box->setChecked(chosen.contains(bit));
        box->setEnabled(hasTable);
    }
    m_ui->btnAll->setEnabled(hasTable);
    m_ui->btnClear->setEnabled(hasTable);
}

void QalarmConfig::storeBits()
{
    QList<int> chosen;
    for (int bit = 0; bit < m_bitBoxes.size(); ++bit) {
        if (m_bitBoxes[bit]->isChecked())
            chosen.append(bit);
    }
    AppSettings settings;
    AlarmSelection::setBits(settings, m_shownRegion, m_shownWord, chosen);
}

void QalarmConfig::loadEvents()
{
    AppSettings settings;
    for (const EventBoxes *events : {&m_events, &m_events83}) {
        const QList<int> chosen = eventCodes(settings.text(*events->key));
        for (const auto &[code, box] : events->boxes)
            box->setChecked(chosen.contains(code));
    }
}

void QalarmConfig::storeEvents()
{
    AppSettings settings;
    for (const EventBoxes *events : {&m_events, &m_events83}) {
        QStringList chosen;
        for (const auto &[code, box] : events->boxes) {
            if (box->isChecked())
                chosen.append(QString::number(code));
        }
        settings.setValue(*events->key, chosen.join(QLatin1Char(',')));
    }
}

void QalarmConfig::on_cbInverterType_currentIndexChanged(int)
{
    storeBits();
    showBits();
}

void QalarmConfig::on_cbErrorCode_currentIndexChanged(int)
{
    storeBits();
    showBits();
}

void QalarmConfig::tab_change(int)
{
    storeBits();
}

void QalarmConfig::selectAll()
{
    for (QCheckBox *box : qAsConst(m_bitBoxes))
        box->setChecked(true);
}

void QalarmConfig::dselectAll()
{
    for (QCheckBox *box : qAsConst(m_bitBoxes))
        box->setChecked(false);
}

void QalarmConfig::on_btnAll_clicked()
{
    selectAll();
}

void QalarmConfig::on_btnClear_clicked()
{
    dselectAll();
}

void QalarmConfig::on_btnAddMail_clicked()
{
    const QString mail = ProgramState::instance()
                             .prompter()
                             .inputText(tr("Add recipient"), tr("Email address:"), QString())
                             .value_or(QString())
                             .trimmed();
    if (mail.isEmpty())
        return;
    m_ui->listMail->addItem(mail);
    editMade();
}

void QalarmConfig::on_btnDelMail_clicked()
{
    const QList<QListWidgetItem *> selected = m_ui->listMail->selectedItems();
    if (selected.isEmpty())
        return;
    delete selected.first();
    editMade();
}

void QalarmConfig::on_btnApply_clicked()
{
    const MailSettings settings = fields();
    if (!settings.apply())
        return;
    m_ui->btnApply->setEnabled(false);
    emit mail_setting_change(settings.account, settings.password, settings.port, settings.server, settings.sender);
}

void QalarmConfig::startMailTest(bool connectionOnly)
{
    const MailSettings settings = fields();
    if (!(connectionOnly ? m_tester.testConnection(settings) : m_tester.sendTestMail(settings)))
        return;
    // One test at a time; the dialog stays open and alive meanwhile.
    m_ui->btnTestConnect->setEnabled(false);
    m_ui->btnSendTest->setEnabled(false);
    m_progress->show();
}

void QalarmConfig::mailTestEnded()
{
    m_progress->hide();
    m_ui->btnTestConnect->setEnabled(true);
    m_ui->btnSendTest->setEnabled(true);
}

void QalarmConfig::on_btnTestConnect_clicked()
{
    startMailTest(true);
}

void QalarmConfig::on_btnSendTest_clicked()
{
    startMailTest(false);
}

void QalarmConfig::on_leMail_textChanged(const QString &)
{
    editMade();
}

void QalarmConfig::on_lePort_textChanged(const QString &)
{
    editMade();
}

void QalarmConfig::on_leId_textChanged(const QString &)
{
    editMade();
}

void QalarmConfig::on_lePwd_textChanged(const QString &)
{
    editMade();
}

void QalarmConfig::on_leSenderMail_textChanged(const QString &)
{
    editMade();
}

void QalarmConfig::on_cbEncryption_currentIndexChanged(int index)
{
    // An empty port, or the usual port of another choice, becomes this choice's usual port.
    QLineEdit *port = m_ui->lePort;
    const QString typed = port->text().trimmed();
    if (typed.isEmpty() || isUsualMailPort(typed.toUShort()))
        port->setText(QString::number(usualMailPort(MailEncryption(index))));
    editMade();
}
