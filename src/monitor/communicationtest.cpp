#include "monitor/communicationtest.h"

#include "link/ccommand.h"
#include "link/cserial.h"
#include "monitor/programstate.h"

CommunicationTest::Result CommunicationTest::run(const QList<int> &addresses, const std::function<void()> &progress)
{
    ProgramState &state = ProgramState::instance();
    CSerial &port = state.sharedPort();
    Result result;
    if (!port.open(state.portNumber(), state.baudRate()))
        return result;
    result.portOpened = true;
    CCommand command(port);
    quint8 request[CCommand::kRequestSize];
    quint8 reply[CCommand::kReplyBufferSize];
    for (int address : addresses) {
        if (progress)
            progress();
        CCommand::make_read_frame(request, quint8(address), 3, 1, 1);
        if (command.read_by_send(request, CCommand::kRequestSize, reply, command.read_timeout(1), true) <= 0)
            result.silent << address;
    }
    port.close();
    return result;
}
