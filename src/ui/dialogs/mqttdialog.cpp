#include "ui/dialogs/mqttdialog.h"

#include "base/appsettings.h"
#include "base/log.h"
#include "base/prompter.h"
#include "publish/mqttconnection.h"
#include "publish/mqtttopics.h"
#include "ui_mqttdialog.h"

MqttDialog::MqttDialog(Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_ui(new Ui::MqttDialogClass)
{
    m_ui->setupUi(this);
    for (QWidget *field : std::initializer_list<QWidget *>{m_ui->leHost, m_ui->leTopicPrefix, m_ui->leDiscoveryPrefix})
        connect(static_cast<QLineEdit *>(field), &QLineEdit::textChanged, this, &MqttDialog::updateFields);
    connect(m_ui->cbEnabled, &QCheckBox::toggled, this, &MqttDialog::updateFields);
}

MqttDialog::~MqttDialog()
{
    if (m_test)
        m_test->stop(0);
}

void MqttDialog::showEvent(QShowEvent *event)
{
    showSettings(MqttSettings::load(AppSettings()));
    QDialog::showEvent(event);
}

void MqttDialog::showSettings(const MqttSettings &settings)
{
    m_shown = settings;
    m_ui->cbEnabled->setChecked(settings.enabled);
    m_ui->leHost->setText(settings.host);
    m_ui->cbTls->setChecked(settings.tls);
    m_ui->sbPort->setValue(settings.port);
    m_ui->leCaFile->setText(settings.caFile);
    m_ui->leUser->setText(settings.user);
    m_ui->lePassword->setText(settings.password);
    m_ui->leClientId->setText(settings.clientId);
    m_ui->leTopicPrefix->setText(settings.topicPrefix);
    m_ui->cbQos->setCurrentIndex(qBound(0, settings.qos, 2));
    m_ui->cbRetain->setChecked(settings.retain);
    m_ui->leDiscoveryPrefix->setText(settings.discoveryPrefix);
    updateFields();
}

MqttSettings MqttDialog::settings() const
{
    MqttSettings settings = m_shown;
    settings.enabled = m_ui->cbEnabled->isChecked();
    settings.host = m_ui->leHost->text().trimmed();
    settings.port = m_ui->sbPort->value();
    settings.tls = m_ui->cbTls->isChecked();
    settings.caFile = m_ui->leCaFile->text().trimmed();
    settings.user = m_ui->leUser->text();
    settings.password = m_ui->lePassword->text();
    settings.clientId = m_ui->leClientId->text().trimmed();
    settings.topicPrefix = m_ui->leTopicPrefix->text().trimmed();
    while (settings.topicPrefix.endsWith(QLatin1Char('/')))
        settings.topicPrefix.chop(1);
    settings.qos = m_ui->cbQos->currentIndex();
    settings.retain = m_ui->cbRetain->isChecked();
    settings.discoveryPrefix = m_ui->leDiscoveryPrefix->text().trimmed();
    return settings;
}

void MqttDialog::updateFields()
{
    const bool on = m_ui->cbEnabled->isChecked();
    for (QWidget *field : findChildren<QWidget *>()) {
        if (field != m_ui->cbEnabled && field != m_ui->btnOk && field != m_ui->btnCancel)
            field->setEnabled(on);
    }
    const bool tls = m_ui->cbTls->isChecked();
    m_ui->leCaFile->setEnabled(on && tls);
    m_ui->btnCaFile->setEnabled(on && tls);
    m_ui->btnTest->setEnabled(on && !m_test);
    const MqttTopics topics(settings());
    const QString inverter = topics.inverterState(QStringLiteral("SERIAL")).replace(QLatin1String("SERIAL"),
                                                                                     QLatin1String("<serial>"));
    QString text = tr("Topics: %1, %2, %3.").arg(topics.status(), inverter, topics.plantState());
    if (!m_ui->leDiscoveryPrefix->text().trimmed().isEmpty())
        text += QLatin1Char(' ') + tr("Home Assistant finds the inverters under %1/sensor/.")
                                       .arg(m_ui->leDiscoveryPrefix->text().trimmed());
    m_ui->lblTopics->setText(text);
}

void MqttDialog::on_cbTls_toggled(bool tls)
{
    // The usual port follows TLS unless another one was chosen.
    if (m_ui->sbPort->value() == (tls ? MqttSettings::kPlainPort : MqttSettings::kTlsPort))
        m_ui->sbPort->setValue(tls ? MqttSettings::kTlsPort : MqttSettings::kPlainPort);
    updateFields();
}

void MqttDialog::on_btnCaFile_clicked()
{
    const QString file =
        m_prompter.openFileName(tr("CA file"), tr("Certificates (*.pem *.crt *.cer);;All files (*)"));
    if (!file.isEmpty())
        m_ui->leCaFile->setText(file);
}

bool MqttDialog::acceptable(const MqttSettings &settings)
{
    const QString problem = settings.problem();
    if (problem.isEmpty())
        return true;
    write_log(QStringLiteral("[MQTT] settings refused: ") + problem);
    m_prompter.message(Prompter::Level::Warning, tr("Warning"), problem);
    return false;
}

void MqttDialog::on_btnTest_clicked()
{
    const MqttSettings tested = settings();
    if (m_test || !acceptable(tested))
        return;
    m_test = std::make_unique<MqttConnection>(tested, MqttConnection::Mode::Probe);
    connect(m_test.get(), &MqttConnection::connected, this, [this] { testEnded(QString()); });
    connect(m_test.get(), &MqttConnection::failed, this, &MqttDialog::testEnded);
    m_ui->btnTest->setEnabled(false);
    setCursor(Qt::BusyCursor);
    m_test->start();
}

void MqttDialog::testEnded(const QString &problem)
{
    m_test->stop(0);
    m_test.reset();
    unsetCursor();
    updateFields();
    if (problem.isEmpty())
        m_prompter.message(Prompter::Level::Information, tr("Info"),
                           tr("Connected to the MQTT broker at %1.").arg(settings().address()));
    else
        m_prompter.message(Prompter::Level::Warning, tr("Warning"), problem);
}

void MqttDialog::on_btnOk_clicked()
{
    const MqttSettings chosen = settings();
    if (!acceptable(chosen))
        return;
    AppSettings stored;
    chosen.save(stored);
    stored.sync();
    emit settingsSaved(chosen);
    accept();
}

void MqttDialog::on_btnCancel_clicked()
{
    reject();
}
