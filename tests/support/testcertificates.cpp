#include "support/testcertificates.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {
QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

void openssl(const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder().path());
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        qFatal("openssl %s failed: %s", qPrintable(arguments.join(QLatin1Char(' '))),
               process.readAllStandardError().constData());
}

// P-256 keys: made in milliseconds.
QStringList newKey(const QString &keyFile)
{
    return {QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"), QStringLiteral("-keyout"),
            keyFile};
}

// The CA's certificate, made once: "trusted-ca.pem" with its key "trusted-ca.key".
QString ca(const QString &name)
{
    const QString certificate = name + QStringLiteral(".pem");
    if (!QFile::exists(folder().filePath(certificate)))
        openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + newKey(name + QStringLiteral(".key")) +
                QStringList{QStringLiteral("-out"), certificate, QStringLiteral("-days"), QStringLiteral("2"),
                            QStringLiteral("-subj"), QStringLiteral("/CN=Lumora ") + name,
                            QStringLiteral("-addext"), QStringLiteral("basicConstraints=critical,CA:TRUE"),
                            QStringLiteral("-addext"), QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")});
    return certificate;
}
} // namespace

QString TestCertificates::caFile()
{
    return folder().filePath(ca(QStringLiteral("trusted-ca")));
}

TestCertificates::Server TestCertificates::server(const QString &host, bool trustedIssuer)
{
    const QString issuer = trustedIssuer ? QStringLiteral("trusted-ca") : QStringLiteral("untrusted-ca");
    const QString name = host + QLatin1Char('-') + issuer;
    const Server files{folder().filePath(name + QStringLiteral(".pem")), folder().filePath(name + QStringLiteral(".key"))};
    if (QFile::exists(files.certificate))
        return files;
    const QString issuerCertificate = ca(issuer);
    const QString extensions = name + QStringLiteral(".ext");
    QFile file(folder().filePath(extensions));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.write(QStringLiteral("subjectAltName=DNS:%1\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n")
                   .arg(host)
                   .toUtf8());
    file.close();
    openssl(QStringList{QStringLiteral("req"), QStringLiteral("-new")} + newKey(files.key) +
            QStringList{QStringLiteral("-out"), name + QStringLiteral(".csr"), QStringLiteral("-subj"),
                        QStringLiteral("/CN=") + host});
    openssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), name + QStringLiteral(".csr"),
             QStringLiteral("-CA"), issuerCertificate, QStringLiteral("-CAkey"), issuer + QStringLiteral(".key"),
             QStringLiteral("-set_serial"), QString::number(QDateTime::currentMSecsSinceEpoch()),
             QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"), extensions,
             QStringLiteral("-out"), files.certificate});
    return files;
}
