#pragma once

#include <QCoreApplication>

class AddressTable;
class AppSettings;
class QTextStream;

// The logger's settings as it uses them. Every value it cannot use is
// reported once, at the start, with what is used instead.
class SettingsReport
{
    Q_DECLARE_TR_FUNCTIONS(SettingsReport)

public:
    explicit SettingsReport(QTextStream &out);

    // COMPortFrm_baud_index as a rate; an index outside the table gives 9600.
    int baudRate(const AppSettings &settings);
    // INV_ADDR into the table; parts that are not bus addresses are skipped.
    void fillAddresses(const AppSettings &settings, AddressTable &table);
    // Whether log.txt takes lines.
    void checkLog();
    // Whether MAIL_ENCRYPTION names an encryption and MAIL_CA_FILE holds certificates.
    void checkMail(const AppSettings &settings);

private:
    QTextStream &m_out;
};
