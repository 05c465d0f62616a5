#include "history/csvfile.h"

#include "base/log.h"
#include "base/prompter.h"

CsvFile::CsvFile(const QString &path)
    : m_file(path)
{}

std::unique_ptr<CsvFile> CsvFile::chooseForExport(Prompter &prompter)
{
    const QString name = prompter.saveFileName(tr("Save *.csv File"), tr("Excel (*.csv)"));
    if (name.isEmpty())
        return nullptr;
    auto file = std::make_unique<CsvFile>(name);
    file->m_prompter = &prompter;
    return file->open() ? std::move(file) : nullptr;
}

bool CsvFile::open()
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    m_stream.setDevice(&m_file);
    m_stream.setCodec("UTF-8");
    return true;
}

void CsvFile::writeFields(const QStringList &fields)
{
    for (const QString &value : fields)
        m_stream << field(value) << ',';
    m_stream << '\n';
}

void CsvFile::writeLine(const QString &line)
{
    m_stream << line << '\n';
}

bool CsvFile::close()
{
    m_stream.flush();
    const bool written = m_stream.status() == QTextStream::Ok && m_file.error() == QFileDevice::NoError;
    if (!written)
        write_log(QStringLiteral("[CSV] %1: %2").arg(m_file.fileName(), m_file.errorString()));
    m_file.close();
    return written;
}

void CsvFile::closeExport(bool complete)
{
    if (close() && complete && m_prompter)
        m_prompter->message(Prompter::Level::Information, tr("OK"), tr("Export OK"));
}

QString CsvFile::field(const QString &value)
{
    static const QString special = QStringLiteral(",\"\r\n");
    for (const QChar c : value) {
        if (special.contains(c)) {
            QString quoted = value;
            quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
            return QLatin1Char('"') + quoted + QLatin1Char('"');
        }
    }
    return value;
}
