#include "ui/dialogs/qdiagnostics.h"

#include "link/ccommand.h"
#include "monitor/programstate.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/linelender.h"
#include "ui_qdiagnostics.h"

#include <QShowEvent>

namespace {
constexpr int kWriteTimeoutMs = 300;
constexpr int kReplyLimit = 50;
constexpr int kReadTimeoutMs = 300;
constexpr int kSettleMs = 10;
} // namespace

QDiagnostics::QDiagnostics(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QDiagnosticsClass)
{
    m_ui->setupUi(this);
    connect(m_ui->btnSend, &QPushButton::clicked, this, &QDiagnostics::send);
}

QDiagnostics::~QDiagnostics() = default;

void QDiagnostics::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOverParent(this);
        m_ui->leOutput->clear();
        m_ui->teResponse->clear();
    }
    QDialog::showEvent(event);
}

quint8 QDiagnostics::field(int index) const
{
    const QLineEdit *const fields[] = {m_ui->leSlaveAddr, m_ui->leFunction, m_ui->leAddrHi,
                                       m_ui->leAddrLo,    m_ui->leLenHi,    m_ui->leLenLo};
    return quint8(fields[index]->text().toUInt(nullptr, 16));
}

void QDiagnostics::send()
{
    if (m_lender && !m_lender->borrowLine())
        return;
    m_ui->btnSend->setEnabled(false);
    const ProgramState &state = ProgramState::instance();

    quint8 frame[CCommand::kRequestSize];
    CCommand::make_raw_frame(frame, field(0), field(1), field(2), field(3), field(4), field(5));
    m_ui->leOutput->setText(commandText(frame));

    LineExchange::Request request;
    request.line = m_lineChoice ? m_lineChoice() : LineSettings{state.portNumber(), state.baudRate()};
    request.bytes = QByteArray(reinterpret_cast<const char *>(frame), CCommand::kRequestSize);
    request.writeTimeoutMs = kWriteTimeoutMs;
    request.replyLimit = kReplyLimit;
    request.readTimeoutMs = kReadTimeoutMs;
    request.settleMs = kSettleMs;
    m_ui->teResponse->setPlainText(responseText(LineExchange::run(request).reply));
    if (m_lender)
        m_lender->returnLine();
    m_ui->btnSend->setEnabled(true);
}

QString QDiagnostics::commandText(const quint8 *frame)
{
    QString text = QString::asprintf("%02X %02X %02X ", frame[0], frame[1], frame[2]);
    for (int i = 3; i < 9; i += 2)
        text += QString::asprintf("%02X%02x ", frame[i], frame[i + 1]);
    return text + QString::asprintf("%02X ", frame[9]);
}

QString QDiagnostics::responseText(const QByteArray &reply)
{
    QString text;
    const int last = int(reply.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        if (i <= 3 || i == last) {
            text += QString::asprintf("%02X ", quint8(reply[i]));
        } else {
            text += QString::asprintf("%02X%02X ", quint8(reply[i]), quint8(reply[i + 1]));
            ++i;
        }
    }
    return text;
}
