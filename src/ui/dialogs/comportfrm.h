#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class COMPortFrmClass;
}
class QDiagnostics;
class QPassword;

// The serial port and baud rate of the inverter line. Building it loads the
// line settings from app.ini; closing it stores the choice, and a changed
// choice forgets the inverter addresses of the old line.
class COMPortFrm : public QDialog
{
    Q_OBJECT

public:
    explicit COMPortFrm(QWidget *parent = nullptr);
    ~COMPortFrm() override;

    // The number of the selected port, 0 when there is no port.
    int selectedPort() const;
    // The baud table rate of the selected baud item, 0 when there is none.
    int selectedBaud() const;
    // The direct-command dialog behind the password.
    QDiagnostics *diagnostics() const;

public slots:
    void cancel_set();
    void initCOM();
    void on_btnRefresh_clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyLineSettings();

    std::unique_ptr<Ui::COMPortFrmClass> m_ui;
    QPassword *m_password;
    int m_shownPortIndex = -1;
    int m_shownBaudIndex = -1;
};
