#pragma once

#include <QAbstractSocket>

// The Windows Sockets error number that the mail log lines carry for a socket
// error, so that they read the same on every platform; -1 for an unknown error.
int winsockErrorNumber(QAbstractSocket::SocketError error);
