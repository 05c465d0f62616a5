#include "monitor/communicationtest.h"

#include "base/prompter.h"
#include "link/ccommand.h"
#include "link/cserial.h"
#include "monitor/programstate.h"

bool CommunicationTest::run(Prompter &prompter, const std::function<void()> &progress)
{
    ProgramState &state = ProgramState::instance();
    CSerial &port = state.sharedPort();
    if (!port.open(state.portNumber(), state.baudRate())) {
        prompter.message(Prompter::Level::Critical, tr("Error"), tr("COM%1 is not available!").arg(state.portNumber()));
        return false;
    }
    CCommand command(port);
    QList<int> silent;
    quint8 request[CCommand::kRequestSize];
    quint8 reply[CCommand::kReplyBufferSize];
    for (int address : state.addressTable().addresses()) {
        if (progress)
            progress();
        CCommand::make_read_frame(request, quint8(address), 3, 1, 1);
        if (command.read_by_send(request, CCommand::kRequestSize, reply, command.read_timeout(1), true) <= 0)
            silent << address;
    }
    port.close();
    for (int address : silent)
        state.addressTable().remove(address);
    if (state.addressTable().isEmpty()) {
        prompter.message(Prompter::Level::Critical, tr("Error"),
                         tr("Communication fail! Please check out your COM Port settings, then search inverters "
                            "again."));
        return false;
    }
    return true;
}
