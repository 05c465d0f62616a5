#pragma once

#include "ui/dialogs/lineexchange.h"

#include <QDialog>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace Ui {
class QDiagnosticsClass;
}
class LineLender;

// Sends one hand-made inverter frame and shows the raw reply in hexadecimal.
// The line is borrowed for the exchange: monitoring pauses meanwhile.
class QDiagnostics : public QDialog
{
    Q_OBJECT

public:
    explicit QDiagnostics(QWidget *parent = nullptr);
    ~QDiagnostics() override;

    // Where the port and baud rate come from (the COM port dialog's choice);
    // without it, the program's line settings.
    void setLineChoice(std::function<LineSettings()> lineChoice) { m_lineChoice = std::move(lineChoice); }
    // Who lends the line (the window's monitoring); without one the line is taken as free.
    void setLineLender(LineLender *lender) { m_lender = lender; }

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
    LineLender *m_lender = nullptr;
};
