#pragma once

#include <QString>

class QSslSocket;

// The TLS side of the mail dialogue: whom the socket trusts, and why a handshake failed.
namespace MailTls {

// The server's certificate and name are always verified, against the system's
// CA store and, when caFile is given, the certificates of that PEM file too.
void configure(QSslSocket &socket, const QString &caFile);

// The log line of a handshake with server that failed or timed out: the
// certificate's faults (expired, another host, untrusted issuer) where there were any.
QString failure(const QSslSocket &socket, const QString &server, bool timedOut);

} // namespace MailTls
