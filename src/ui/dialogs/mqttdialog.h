#pragma once

#include "publish/mqttsettings.h"

#include <QDialog>
#include <memory>

namespace Ui {
class MqttDialogClass;
}
class MqttConnection;
class Prompter;

// The MQTT settings of app.ini: the broker, the login, TLS, the topics and
// Home Assistant discovery, with a connection test that runs beside the
// window. Settings that cannot work are refused with one message; saved ones
// are handed on by settingsSaved().
class MqttDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MqttDialog(Prompter &prompter, QWidget *parent = nullptr);
    ~MqttDialog() override;

    // What the fields say.
    MqttSettings settings() const;

signals:
    void settingsSaved(const MqttSettings &settings);

public slots:
    void on_btnTest_clicked();
    void on_btnOk_clicked();
    void on_btnCancel_clicked();
    void on_btnCaFile_clicked();
    void on_cbTls_toggled(bool tls);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showSettings(const MqttSettings &settings);
    void updateFields();
    // False, after telling the user, when the fields cannot work.
    bool acceptable(const MqttSettings &settings);
    void testEnded(const QString &problem);

    Prompter &m_prompter;
    std::unique_ptr<Ui::MqttDialogClass> m_ui;
    std::unique_ptr<MqttConnection> m_test;
    MqttSettings m_shown; // the defaults of the site shown
};
