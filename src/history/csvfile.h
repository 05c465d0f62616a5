#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <memory>

class Prompter;

// A CSV file of the exports and the daily debug files: UTF-8, "\n" line ends,
// each field followed by ",". A field that holds a comma, a quote or a line
// break is quoted, with its quotes doubled; every other field is written as it is.
class CsvFile
{
    Q_DECLARE_TR_FUNCTIONS(CsvFile)

public:
    explicit CsvFile(const QString &path);

    // An export's file: asks the prompter for its name ("Save *.csv File") and
    // opens it. Nothing when the user cancels or the file cannot be written,
    // which is not reported.
    static std::unique_ptr<CsvFile> chooseForExport(Prompter &prompter);

    // Replaces the file's contents; false when it cannot be written.
    bool open();
    // Each field followed by ",", then the line end.
    void writeFields(const QStringList &fields);
    // A line of the caller's own form, without quoting, then the line end.
    void writeLine(const QString &line);
    // Flushes and closes; false when something could not be written.
    bool close();
    // Closes an export's file and tells "Export OK" when all of it was written
    // (a file of chooseForExport only).
    void closeExport(bool complete = true);

    static QString field(const QString &value);

private:
    QFile m_file;
    QTextStream m_stream;
    Prompter *m_prompter = nullptr; // who chose the export's file
};
