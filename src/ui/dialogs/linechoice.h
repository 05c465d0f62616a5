#pragma once

class QComboBox;
class QString;

// The port and baud rate combo boxes of the dialogs that set up the inverter line.
namespace LineChoice {
// Fills ports with one item per serial port of the computer, ascending by number: "COMn", with the
// stable name of a USB adapter beside it ("COM33 — usb-FTDI_FT232R_A50285BI-if00-port0"). The port
// named selectedName is listed also when it is absent, as "COM33 (not present)", so that a line set
// up before keeps its port while its adapter is unplugged. Selects selectedName, else the first item.
// False, with the combo box left empty, when there is nothing to list.
bool fillPorts(QComboBox *ports, const QString &selectedName);
// "COM33", "COM33 — usb-FTDI_FT232R_A50285BI-if00-port0" for a USB adapter, "COM33 (not present)".
QString portLabel(int number, bool present);
// Fills bauds with the baud table and selects the given index; an index
// outside the table selects the default rate.
void fillBauds(QComboBox *bauds, int index);
// The index fillBauds selects for a stored index.
int shownBaudIndex(int storedIndex);
// The name ("COM33") of the selected port, empty when there is none.
QString portName(const QComboBox *ports);
// The number of the selected port, 0 when there is none.
int portNumber(const QComboBox *ports);
// The rate of the selected baud item, 0 when there is none.
int baudRate(const QComboBox *bauds);
} // namespace LineChoice
