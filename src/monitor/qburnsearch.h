#pragma once

#include "link/ccommand.h"
#include "link/serialline.h"

#include <QList>
#include <QMutex>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <set>

class Prompter;

// The search of the line for inverters. Scans bus addresses 1 to 255 on its
// line (the shared port unless it is given another), reports every inverter that answers cleanly, and finds the
// addresses where replies collide. When the user agreed beforehand, it gives
// the inverters behind a collision new free addresses (function 8), naming
// each by the six identity bytes of its identity query reply (function 9).
//
// The thread never asks the user: the answer to "Auto change the duplicate
// Inverter ID?" is handed in before start(), by askToResolveCollisions() on
// the GUI thread or by setResolveCollisions().
class QBurnSearch : public QThread
{
    Q_OBJECT

public:
    static constexpr int kAddressCount = 256;
    static constexpr int kMaxIdentities = 100;
    static constexpr int kIdentitySize = 6;
    static constexpr int kLastAssignableAddress = 250;
    static constexpr int kMaxResolvedCollisions = 14;

    // The constant part of the line's read window during a search, in ms.
    static constexpr int kReadTimeoutConstant = 50;

    // A search of COMport at baud on the shared port.
    QBurnSearch(int port, int readTimeoutConstant, int baud, QObject *parent = nullptr);
    QBurnSearch(SerialLine &line, int port, int readTimeoutConstant, int baud, QObject *parent = nullptr);
    ~QBurnSearch() override;

    // For a reused search object; only while it does not run.
    void setPortBaud(int port, int baud);

    // Asks the prompter on the calling thread (the GUI thread, before start())
    // whether collisions shall be resolved, and keeps the answer.
    bool askToResolveCollisions(Prompter &prompter);
    void setResolveCollisions(bool resolve) { m_resolveCollisions = resolve; }
    bool resolveCollisions() const { return m_resolveCollisions; }

    // Ends the search early (from any thread): checked before each address of
    // the scan and of the collision resolution. The flag is the thread's
    // interruption request, which start() clears before the thread runs, so a
    // stop given right after start() counts and none is left for the next search.
    void stop() { requestInterruption(); }

    // The bus addresses found, in the order found.
    QList<int> found() const;
    // False when the last run could not open its port (it then emitted search_end() alone).
    bool portOpened() const { return m_portOpened.load(); }
    // The line hung up or failed during the last run, which then ended early:
    // what it found is not the whole line.
    bool lineFailed() const { return m_lineFailed.load(); }

signals:
    void progress(int address); // the address just handled; 255 at the end
    void search_end();
    void send_finding(int count, int address, QString serialText);

protected:
    void run() override;

private:
    // The state of one search, made afresh for each run.
    struct Pass
    {
        int used[kAddressCount] = {}; // 1: an inverter has this address
        std::set<int> collisions;     // ascending; 0 and 256 may enter
        QStringList foundKeys;
        std::set<int> refusedAddresses; // offered in a function-8 request that was not echoed
        QStringList refusedKeys;        // inverters whose assignment failed once
        // The identities heard in one query pass, with the address each answered at.
        quint8 identities[kMaxIdentities][kIdentitySize] = {};
        quint8 identityAddr[kMaxIdentities] = {};
        int identityCount = 0;
    };

    // Identity key text: the model number, then both serial-number words as "%04d".
    static QString identityKey(int model, int serialHigh, int serialLow);
    static QString identityKey(const quint8 *identity);

    void scanAddress(int address, int replyTime, Pass &pass);
    bool checkAnswer(int address, Pass &pass);
    void addCollision(int address, Pass &pass);
    void resolveCollision(int address, Pass &pass);
    void collectIdentities(int address, Pass &pass);
    void assignIdentities(Pass &pass);
    void assignIdentity(int address, const quint8 *identity, Pass &pass);
    int freeAddress(int current, const Pass &pass) const;
    bool readSerialText(int address, CCommand::RegisterMap map, QString &text);
    void addFound(int address);

    int m_port;
    int m_readTimeoutConstant;
    int m_baud;
    mutable QMutex m_foundMutex;
    QList<int> m_found;
    SerialLine &m_line;
    CCommand m_command; // on m_line
    quint8 m_reply[CCommand::kReplyBufferSize] = {};
    quint8 m_request[CCommand::kBurnFrameSize] = {};

    bool m_resolveCollisions = false;
    std::atomic<bool> m_portOpened{false};
    std::atomic<bool> m_lineFailed{false};
};
