#pragma once

#include <QByteArray>
#include <QString>

// The master side of a pseudo-terminal: the far end of a serial line that the
// program opens through the slave device (directly or via a ports/COMn link).
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    int masterFd() const { return m_master; }

    // Makes linkPath (for example <appdir>/ports/COM7) a symbolic link to the
    // slave device, replacing an old link. Removed again on destruction.
    bool link(const QString &linkPath);

    // Waits up to timeoutMs for bytes and returns what arrived (empty on timeout).
    QByteArray read(int timeoutMs);
    // Reads until the line has been quiet for gapMs after the first byte, or
    // until timeoutMs has passed.
    QByteArray readFrame(int timeoutMs, int gapMs);
    bool write(const QByteArray &bytes);

    // The baud rate the program set on the line (0 when unknown).
    int baudRate() const;

private:
    int m_master = -1;
    int m_slaveKeeper = -1; // keeps the slave side alive while the program has it closed
    QString m_slavePath;
    QString m_link;
};
