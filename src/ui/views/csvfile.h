#pragma once

#include <QFile>
#include <QStringList>
#include <QTextStream>

// A CSV file of the exports and the daily debug files: UTF-8, "\n" line ends,
// each field followed by ",". A field that holds a comma, a quote or a line
// break is quoted, with its quotes doubled; every other field is written as it is.
class CsvFile
{
public:
    explicit CsvFile(const QString &path);

    // Replaces the file's contents; false when it cannot be written.
    bool open();
    // Each field followed by ",", then the line end.
    void writeFields(const QStringList &fields);
    // A line of the caller's own form, without quoting, then the line end.
    void writeLine(const QString &line);
    // Flushes and closes; false when something could not be written.
    bool close();

    static QString field(const QString &value);

private:
    QFile m_file;
    QTextStream m_stream;
};
