#pragma once

#include <QString>

// How the dialogue with the mail server is protected.
enum class MailEncryption {
    None,     // in the clear
    StartTls, // begins in the clear and turns to TLS before AUTH (usually port 587)
    Tls,      // TLS from the first byte (usually port 465)
    Unknown,  // a stored value that names none of these: no mail is sent
};

// As app.ini keeps it: "none", "starttls", "tls".
QString mailEncryptionText(MailEncryption encryption);
// Read case-insensitively; an empty text is None.
MailEncryption mailEncryptionFromText(const QString &text);
// The port mail servers usually take it on: 25, 587, 465 (0 for Unknown).
quint16 usualMailPort(MailEncryption encryption);
// The port is the usual port of one of them.
bool isUsualMailPort(quint16 port);
