#pragma once

#include <QString>

// Certificates made with the openssl command line, once per test program: a CA
// that the tests trust, and server certificates issued by it or by a CA that
// nobody trusts.
class TestCertificates
{
public:
    struct Server
    {
        QString certificate; // PEM files
        QString key;
    };

    // The trusted CA's certificate (what MAIL_CA_FILE names).
    static QString caFile();
    // A server certificate for the host name.
    static Server server(const QString &host, bool trustedIssuer = true);
};
