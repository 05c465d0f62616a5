#pragma once

#include "ui/dialogs/lineexchange.h"

#include <QDialog>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace Ui {
class QDiagnosticsClass;
}

// Sends one hand-made inverter frame and shows the raw reply in hexadecimal.
// Stops monitoring first when it runs; monitoring stays stopped.
class QDiagnostics : public QDialog
{
    Q_OBJECT

public:
    explicit QDiagnostics(QWidget *parent = nullptr);
    ~QDiagnostics() override;

    // Where the port and baud rate come from (the COM port dialog's choice);
    // without it, the program's line settings.
    void setLineChoice(std::function<LineSettings()> lineChoice) { m_lineChoice = std::move(lineChoice); }

public slots:
    void send();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // "0A 01 03 0001 0001 D5ca 0D ": the data and CRC bytes in pairs, each
    // pair's second byte in lower case, as the service tools print it.
    static QString commandText(const quint8 *frame);
    // The reply bytes in hexadecimal: the first four and the last alone, the
    // others in pairs.
    static QString responseText(const QByteArray &reply);
    quint8 field(int index) const;

    std::unique_ptr<Ui::QDiagnosticsClass> m_ui;
    std::function<LineSettings()> m_lineChoice;
};
