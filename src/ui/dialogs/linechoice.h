#pragma once

class QComboBox;
class QString;

// The port and baud rate combo boxes of the dialogs that set up the inverter line.
namespace LineChoice {
// Fills ports with one "COMn" item per serial port of the computer, ascending by
// number, and selects the item named selectedName when there is one, else the
// first. False, with the combo box left empty, when the computer has no port.
bool fillPorts(QComboBox *ports, const QString &selectedName);
// Fills bauds with the baud table and selects the given index; an index
// outside the table selects the default rate.
void fillBauds(QComboBox *bauds, int index);
// The number of the selected port, 0 when there is none.
int portNumber(const QComboBox *ports);
// The rate of the selected baud item, 0 when there is none.
int baudRate(const QComboBox *bauds);
} // namespace LineChoice
