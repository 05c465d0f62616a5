#include "monitor/mailtls.h"

#include "base/log.h"
#include "base/settingskeys.h"

#include <QSslConfiguration>
#include <QSslSocket>

namespace {
// The host names a certificate is for: its DNS names, else its common name.
QString certifiedNames(const QSslCertificate &certificate)
{
    QStringList names = certificate.subjectAlternativeNames().values(QSsl::DnsEntry);
    if (names.isEmpty())
        names = certificate.subjectInfo(QSslCertificate::CommonName);
    return names.join(QStringLiteral(", "));
}
} // namespace

namespace MailTls {

void configure(QSslSocket &socket, const QString &caFile)
{
    QSslConfiguration configuration = socket.sslConfiguration();
    configuration.setPeerVerifyMode(QSslSocket::VerifyPeer);
    if (!caFile.isEmpty()) {
        const QList<QSslCertificate> own = QSslCertificate::fromPath(caFile, QSsl::Pem);
        if (own.isEmpty())
            write_log(QStringLiteral("%1: no certificate in %2").arg(Setting::MAIL_CA_FILE.key(), caFile));
        configuration.setCaCertificates(QSslConfiguration::systemCaCertificates() + own);
    }
    socket.setSslConfiguration(configuration);
}

QString failure(const QSslSocket &socket, const QString &server, bool timedOut)
{
    if (timedOut)
        return QStringLiteral("TLS with mail server %1: no answer within the time-out").arg(server);
    const QList<QSslError> errors = socket.sslHandshakeErrors();
    if (errors.isEmpty())
        return QStringLiteral("TLS with mail server %1 failed: %2").arg(server, socket.errorString());
    QStringList reasons;
    QSslCertificate certificate = socket.peerCertificate();
    for (const QSslError &error : errors) {
        if (!reasons.contains(error.errorString()))
            reasons << error.errorString();
        if (certificate.isNull())
            certificate = error.certificate();
    }
    return QStringLiteral("Certificate of mail server %1 refused (for %2, issued by %3): %4")
        .arg(server, certifiedNames(certificate), certificate.issuerDisplayName(), reasons.join(QStringLiteral("; ")));
}

} // namespace MailTls
