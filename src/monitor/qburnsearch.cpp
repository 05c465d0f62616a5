#include "monitor/qburnsearch.h"

#include "base/log.h"
#include "base/prompter.h"
#include "device/devicefamily.h"
#include "monitor/programstate.h"

#include <cstring>

namespace {

constexpr int kScanRegister = 23; // the serial-number words of map A
constexpr int kScanReplySize = 11;
constexpr int kVersionRegister = 133;
constexpr int kModelRegisterA = 86;
constexpr int kModelRegisterB = 265;
constexpr int kIdentityQueryFunction = 9;
constexpr int kIdentityReplySize = 13;
constexpr int kIdentityReads = 4;
constexpr int kReplyWindowMs = 200;
constexpr int kMaxQueryPasses = 10;
constexpr int kMinQueryPasses = 5;
constexpr int kScanPauseMs = 10;
constexpr int kFoundPauseMs = 50;
constexpr int kOpenBaud = 19200;
constexpr int kWriteTimeoutMs = 100;

CCommand::RegisterMap mapOf(int versionw3)
{
    return isUSA1Family(versionw3) ? CCommand::RegisterMap::B : CCommand::RegisterMap::A;
}

} // namespace

QBurnSearch::QBurnSearch(int port, int readTimeoutConstant, int baud, QObject *parent)
    : QBurnSearch(ProgramState::instance().sharedPort(), port, readTimeoutConstant, baud, parent)
{}

QBurnSearch::QBurnSearch(SerialLine &line, int port, int readTimeoutConstant, int baud, QObject *parent)
    : QThread(parent)
    , m_port(port)
    , m_readTimeoutConstant(readTimeoutConstant)
    , m_baud(baud)
    , m_line(line)
    , m_command(line)
{}

QBurnSearch::~QBurnSearch()
{
    stop();
    wait();
}

void QBurnSearch::setPortBaud(int port, int baud)
{
    Q_ASSERT(!isRunning());
    m_port = port;
    m_baud = baud;
}

bool QBurnSearch::askToResolveCollisions(Prompter &prompter)
{
    Q_ASSERT(QThread::currentThread() != this);
    m_resolveCollisions = prompter.question(tr("Confirm"), tr("Auto change the duplicate Inverter ID?"));
    return m_resolveCollisions;
}

QList<int> QBurnSearch::found() const
{
    QMutexLocker locker(&m_foundMutex);
    return m_found;
}

QString QBurnSearch::identityKey(int model, int serialHigh, int serialLow)
{
    return QString::number(model) + QString::asprintf("%04d%04d", serialHigh, serialLow);
}

QString QBurnSearch::identityKey(const quint8 *identity)
{
    return identityKey(CCommand::word_at(identity, 0), CCommand::word_at(identity, 2), CCommand::word_at(identity, 4));
}

void QBurnSearch::run()
{
    {
        QMutexLocker locker(&m_foundMutex);
        m_found.clear();
    }
    Pass pass;

    m_lineFailed.store(false);
    m_portOpened.store(m_line.open(m_port, kOpenBaud, 8, SerialLine::NoParity, SerialLine::OneStopBit) == 1);
    if (!m_portOpened.load()) {
        emit search_end();
        return;
    }
    m_line.set_baud(m_baud);
    m_line.set_read_timeout(0, m_readTimeoutConstant);
    m_line.set_write_timeout(kWriteTimeoutMs);

    const int replyTime = m_command.reply_timeout(kScanReplySize);
    for (int address = 1; address <= 255 && !isInterruptionRequested() && !m_line.lineFailed(); ++address) {
        scanAddress(address, replyTime, pass);
        emit progress(address);
    }
    emit progress(255);
    m_line.purge();

    const int entries = int(pass.collisions.size());
    if (m_resolveCollisions && entries >= 1 && entries <= kMaxResolvedCollisions && !m_line.lineFailed()) {
        write_log(QStringLiteral("[COLLISION] size of addr:%1 ").arg(entries));
        for (int address : pass.collisions) {
            if (isInterruptionRequested() || m_line.lineFailed())
                break;
            // 0 and 256 lie outside the bus addresses (256 would go out as 0 in the address byte).
            if (address >= 1 && address <= 255)
                resolveCollision(address, pass);
        }
    }

    m_lineFailed.store(m_line.lineFailed());
    m_line.close();
    emit search_end();
}

void QBurnSearch::scanAddress(int address, int replyTime, Pass &pass)
{
    CCommand::make_read_frame(m_request, quint8(address), 3, kScanRegister, 2);
    m_command.pause(kScanPauseMs);
    const int count =
        m_command.exchange(m_request, CCommand::kRequestSize, kWriteTimeoutMs, m_reply, kScanReplySize, replyTime);
    if (count <= 0)
        return;
    const bool answered =
        count == kScanReplySize && CCommand::check_frame(m_reply, count) && m_reply[1] == quint8(address);
    if (!answered || !checkAnswer(address, pass))
        addCollision(address, pass);
}

// The checks at an address that answered the scan. False: collision there.
bool QBurnSearch::checkAnswer(int address, Pass &pass)
{
    const quint8 addr = quint8(address);
    m_line.purge();
    const QString first = m_command.get_serial_number(addr, m_reply);
    const QString second = m_command.get_serial_number(addr, m_reply);
    if (first.isEmpty() || second.isEmpty() || first != second)
        return false;

    if (m_command.read_word(addr, m_reply, kVersionRegister) <= 0)
        return true; // dropped silently: neither found nor a collision
    const int versionw3 = CCommand::reply_word(m_reply);
    const CCommand::RegisterMap map = mapOf(versionw3);

    const quint16 modelRegister = map == CCommand::RegisterMap::B ? kModelRegisterB : kModelRegisterA;
    const int model = m_command.read_word(addr, m_reply, modelRegister) > 0 ? CCommand::reply_word(m_reply) : 0;

    if (m_command.get_sn_number(addr, m_reply, map) <= 0)
        return false;
    pass.foundKeys << identityKey(model, CCommand::word_at(m_reply, 4), CCommand::word_at(m_reply, 6));
    pass.used[address] = 1;
    addFound(address);

    QString serialText;
    readSerialText(address, map, serialText); // reported even when empty
    emit send_finding(found().size(), address, serialText);
    m_command.pause(kFoundPauseMs);
    return true;
}

void QBurnSearch::addCollision(int address, Pass &pass)
{
    pass.collisions.insert(address);
    if (pass.used[address - 1] != 1)
        pass.collisions.insert(address - 1);
    if (address + 1 >= kAddressCount || pass.used[address + 1] != 1)
        pass.collisions.insert(address + 1);
    write_log(QStringLiteral("[COLLISION] addr: %1").arg(address));
}

void QBurnSearch::resolveCollision(int address, Pass &pass)
{
    m_line.purge();
    for (int queryPass = 0; queryPass < kMaxQueryPasses; ++queryPass) {
        collectIdentities(address, pass);
        if (pass.identityCount > 0)
            assignIdentities(pass);
        if (queryPass >= kMinQueryPasses - 1 && pass.identityCount == 0)
            break;
    }
}

// One identity query pass: every valid 13-byte reply adds its identity bytes.
void QBurnSearch::collectIdentities(int address, Pass &pass)
{
    CCommand::make_read_frame(m_request, quint8(address), kIdentityQueryFunction, 0, 1);
    int count = m_command.exchange(m_request, CCommand::kRequestSize, kWriteTimeoutMs, m_reply, kIdentityReplySize,
                                   kReplyWindowMs);
    if (count < 0)
        return;
    for (int read = 0; read < kIdentityReads; ++read) {
        // Every read is made: an inverter may answer after a quiet read window.
        if (read > 0)
            count = m_line.read(m_reply, kIdentityReplySize, kReplyWindowMs);
        if (count == 0)
            continue;
        if (count != kIdentityReplySize || !CCommand::check_frame(m_reply, count)) {
            write_log(QStringLiteral("[COLLISION] bad identity reply, addr: %1").arg(address));
            continue;
        }
        if (pass.identityCount >= kMaxIdentities)
            continue;
        std::memcpy(pass.identities[pass.identityCount], m_reply + 4, kIdentitySize);
        pass.identityAddr[pass.identityCount] = quint8(address);
        ++pass.identityCount;
    }
}

void QBurnSearch::assignIdentities(Pass &pass)
{
    for (int i = 0; i < pass.identityCount; ++i)
        assignIdentity(pass.identityAddr[i], pass.identities[i], pass);
    pass.identityCount = 0;
}

void QBurnSearch::assignIdentity(int address, const quint8 *identity, Pass &pass)
{
    const QString key = identityKey(identity);
    if (pass.foundKeys.contains(key) || pass.refusedKeys.contains(key))
        return;
    const int newAddress = freeAddress(address, pass);
    if (newAddress == 0) {
        write_log(QStringLiteral("[COLLISION] no free addr for addr: %1").arg(address));
        return;
    }

    CCommand::make_burn_frame(quint8(address), quint8(newAddress), m_request, identity);
    const int count = m_command.exchange(m_request, CCommand::kBurnFrameSize, kWriteTimeoutMs, m_reply,
                                         CCommand::kBurnFrameSize, kReplyWindowMs);
    if (count != CCommand::kBurnFrameSize || std::memcmp(m_reply, m_request, CCommand::kBurnFrameSize) != 0) {
        // The inverter may have taken the address all the same: neither it nor the address is offered again.
        pass.refusedKeys << key;
        pass.refusedAddresses.insert(newAddress);
        write_log(QStringLiteral("[COLLISION] change addr fail, addr: %1 new addr: %2").arg(address).arg(newAddress));
        return;
    }
    pass.used[newAddress] = 1;

    // The serial text and words lie where the inverter's family keeps them.
    const quint8 addr = quint8(newAddress);
    const CCommand::RegisterMap map = m_command.read_word(addr, m_reply, kVersionRegister) > 0
                                          ? mapOf(CCommand::reply_word(m_reply))
                                          : CCommand::RegisterMap::A;
    QString serialText;
    if (!readSerialText(newAddress, map, serialText) && !readSerialText(newAddress, map, serialText)) {
        pass.refusedKeys << key;
        write_log(QStringLiteral("[COLLISION] no serial text, new addr: %1").arg(newAddress));
        return;
    }
    write_log(QStringLiteral("[COLLISION] changed addr: %1 to %2").arg(address).arg(newAddress));

    addFound(newAddress);
    pass.foundKeys << (m_command.get_sn_number(addr, m_reply, map) > 0
                           ? identityKey(CCommand::word_at(identity, 0), CCommand::word_at(m_reply, 4),
                                         CCommand::word_at(m_reply, 6))
                           : key);
    emit send_finding(found().size(), newAddress, serialText);
}

// The lowest address 1 to 250 not in use, not the current one and not in the collision set; 0 when none.
int QBurnSearch::freeAddress(int current, const Pass &pass) const
{
    for (int address = 1; address <= kLastAssignableAddress; ++address) {
        if (pass.used[address] != 1 && address != current && pass.collisions.count(address) == 0 &&
            pass.refusedAddresses.count(address) == 0)
            return address;
    }
    return 0;
}

// The serial name text; false when the read failed.
bool QBurnSearch::readSerialText(int address, CCommand::RegisterMap map, QString &text)
{
    const int count = m_command.get_sn_name(quint8(address), m_reply, map, false);
    if (count <= 0)
        return false;
    text = CCommand::trim_sn_name(CCommand::reply_text(m_reply, count));
    return true;
}

void QBurnSearch::addFound(int address)
{
    QMutexLocker locker(&m_foundMutex);
    m_found.append(address);
}
