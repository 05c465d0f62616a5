#pragma once

#include "monitor/mailtester.h"

#include <QDialog>
#include <QVector>
#include <memory>

namespace Ui {
class QalarmConfigClass;
}
class MailSettings;
class QCheckBox;
class QProgressWin;
struct SettingKey;

// The alarm-mail settings: the account and server, the recipients, the error
// bits that raise an alarm per region and error word, and the event choices.
// It can test the server and send a test mail.
class QalarmConfig : public QDialog
{
    Q_OBJECT

public:
    explicit QalarmConfig(QWidget *parent = nullptr);
    ~QalarmConfig() override;

    void done(int result) override;

signals:
    void mail_setting_change(const QString &account, const QString &password, const QString &port,
                             const QString &server, const QString &sender);

public slots:
    void on_btnTestConnect_clicked();
    void on_btnSendTest_clicked();
    void on_btnAddMail_clicked();
    void on_btnDelMail_clicked();
    void on_btnApply_clicked();
    void on_leMail_textChanged(const QString &text);
    void on_lePort_textChanged(const QString &text);
    void on_leId_textChanged(const QString &text);
    void on_lePwd_textChanged(const QString &text);
    void on_leSenderMail_textChanged(const QString &text);
    void on_cbEncryption_currentIndexChanged(int index);
    void selectAll();
    void dselectAll();
    void on_cbInverterType_currentIndexChanged(int index);
    void on_cbErrorCode_currentIndexChanged(int index);
    void on_btnAll_clicked();
    void on_btnClear_clicked();
    void tab_change(int index);

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct EventBoxes
    {
        const SettingKey *key;
        QVector<QPair<int, QCheckBox *>> boxes; // state code, its box
    };

    MailSettings fields() const;
    void editMade();
    // The boxes show the bits of the selected region and word, stored under their key.
    void showBits();
    void storeBits();
    void addEventBoxes(EventBoxes &events, const QList<QPair<int, QString>> &states, QLayout *layout);
    void loadEvents();
    void storeEvents();
    // Starts a test with the fields as they stand; the progress window shows until it ends.
    void startMailTest(bool connectionOnly);
    void mailTestEnded();

    std::unique_ptr<Ui::QalarmConfigClass> m_ui;
    QVector<QCheckBox *> m_bitBoxes;
    int m_shownRegion = 0;
    int m_shownWord = 0;
    EventBoxes m_events;
    EventBoxes m_events83;
    MailTester m_tester;
    QProgressWin *m_progress;
};
