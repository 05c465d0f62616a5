#include "simulatedinverter.h"

#include "device/devicefamily.h"
#include "device/devicerecord.h"
#include "lineframes.h"
#include "livevalues.h"

namespace {

constexpr int kTextRegisters = 8;
constexpr int kMonitorFirst = 181;
constexpr int kMonitorLast = 269;
constexpr int kMaxReadCount = 127; // the reply's byte count is one byte

// Two Latin-1 characters per register, high byte first, padded with blanks.
void putText(QHash<int, quint16> &registers, int first, const QString &text)
{
    const QByteArray bytes = text.toLatin1().leftJustified(2 * kTextRegisters, ' ', true);
    for (int i = 0; i < kTextRegisters; ++i)
        registers[first + i] = lineframes::wordAt(bytes, 2 * i);
}

} // namespace

SimulatedInverter::SimulatedInverter(const InverterSpec &definition)
    : m_definition(definition)
    , m_address(definition.address)
    , m_faults(definition.faults)
{
    QHash<int, quint16> &r = m_identity;
    r[18] = quint16(definition.typeNo);
    r[133] = quint16(definition.versionw3);
    // Model and serial number also lie in the monitoring block, for every family.
    r[265] = quint16(definition.model);
    r[266] = definition.serialHigh;
    r[267] = definition.serialLow;
    if (usesMapB()) {
        putText(r, 103, definition.brand);
        putText(r, 111, definition.type);
        putText(r, 119, definition.serial);
        r[269] = quint16(definition.sequenceVersion);
        r[270] = quint16(definition.currentVersion);
    } else {
        putText(r, 774, definition.brand);
        putText(r, 782, definition.type);
        putText(r, 790, definition.serial);
        r[23] = definition.serialHigh;
        r[24] = definition.serialLow;
        r[86] = quint16(definition.model);
        r[131] = quint16(definition.sequenceVersion);
        r[134] = quint16(definition.currentVersion);
    }
}

bool SimulatedInverter::usesMapB() const
{
    return isUSA1Family(m_definition.versionw3);
}

int SimulatedInverter::serialTextRegister() const
{
    return usesMapB() ? 119 : 790;
}

// Highest first: faults that change what the inverter reports, written
// values, schedules, the scenario's registers, live values, identity, zero.
quint16 SimulatedInverter::valueOf(int reg, const SimMoment &moment, const QHash<int, quint16> &live) const
{
    const double elapsed = moment.elapsed;
    const int serial = serialTextRegister();
    if (reg >= serial && reg < serial + kTextRegisters) {
        if (const FaultSpec *fault = m_faults.active(FaultSpec::Type::SerialText, elapsed)) {
            QHash<int, quint16> text;
            putText(text, serial, fault->text);
            return text.value(reg);
        }
    }
    if (reg == 133) {
        if (const FaultSpec *fault = m_faults.active(FaultSpec::Type::VersionW3, elapsed))
            return quint16(fault->value);
    }
    if (m_written.contains(reg))
        return m_written.value(reg);
    for (auto entry = m_definition.schedule.crbegin(); entry != m_definition.schedule.crend(); ++entry) {
        if (entry->set.contains(reg) && entry->window.contains(elapsed))
            return entry->set.value(reg);
    }
    if (m_definition.registers.contains(reg))
        return m_definition.registers.value(reg).valueAt(moment);
    if (live.contains(reg)) {
        if (reg == kMonitorFirst) {
            for (int word = 182; word <= 185; ++word) {
                if (valueOf(word, moment, live) != 0)
                    return LiveValues::kFaultState;
            }
        }
        return live.value(reg);
    }
    return m_identity.value(reg);
}

QVector<quint16> SimulatedInverter::read(int first, int count, const SimMoment &moment) const
{
    QHash<int, quint16> live;
    if (m_definition.live && first <= kMonitorLast && first + count > kMonitorFirst)
        live = LiveValues::registers(*m_definition.live, familyOf(m_definition.versionw3),
                                     m_definition.model == DeviceRecord::kThreeStringModel, moment);
    QVector<quint16> words;
    words.reserve(count);
    for (int reg = first; reg < first + count; ++reg)
        words << valueOf(reg, moment, live);
    return words;
}

QByteArray SimulatedInverter::identity(const SimMoment &moment) const
{
    const QVector<quint16> model = read(usesMapB() ? 265 : 86, 1, moment);
    const QVector<quint16> serial = read(usesMapB() ? 266 : 23, 2, moment);
    QByteArray bytes;
    lineframes::appendWord(bytes, model.at(0));
    lineframes::appendWord(bytes, serial.at(0));
    lineframes::appendWord(bytes, serial.at(1));
    return bytes;
}

QByteArray SimulatedInverter::readReply(int first, int count, const SimMoment &moment) const
{
    QByteArray reply;
    reply.append(lineframes::kStart).append(char(m_address)).append(char(3)).append(char(2 * count));
    for (quint16 word : read(first, count, moment))
        lineframes::appendWord(reply, word);
    lineframes::appendCrc(reply, 1);
    reply.append(lineframes::kEnd);
    return reply;
}

QByteArray SimulatedInverter::identityReply(const SimMoment &moment) const
{
    QByteArray reply;
    reply.append(lineframes::kStart).append(char(m_address)).append(char(9)).append(char(6));
    reply.append(identity(moment));
    lineframes::appendCrc(reply, 1);
    reply.append(lineframes::kEnd);
    return reply;
}

// Function 8: only the inverter whose identity matches takes the new address.
std::optional<QByteArray> SimulatedInverter::assignAddress(const QByteArray &request, const SimMoment &moment)
{
    const int newAddress = quint8(request.at(9));
    if (request.mid(3, 6) != identity(moment) || newAddress == 0)
        return std::nullopt;
    if (m_faults.active(FaultSpec::Type::WrongBurnEcho, moment.elapsed)) {
        QByteArray wrong = request.left(9);
        wrong.append(char(newAddress ^ 0x01));
        lineframes::appendCrc(wrong, 1);
        wrong.append(lineframes::kEnd);
        return wrong;
    }
    m_address = newAddress;
    m_readdressed = true;
    return request;
}

// Counts the reads of a pass over the monitoring block (a pass begins with
// the read at 181); single-register reads there are not part of it.
bool SimulatedInverter::monitoringReadAllowed(int first, int count, double elapsed)
{
    if (first < kMonitorFirst || first > kMonitorLast || count < 2)
        return true;
    if (first == kMonitorFirst)
        m_monitoringReads = 0;
    ++m_monitoringReads;
    const FaultSpec *fault = m_faults.active(FaultSpec::Type::SilentMidBlock, elapsed);
    return !fault || m_monitoringReads <= fault->after;
}

std::optional<DeviceAnswer> SimulatedInverter::answer(const QByteArray &request, const SimMoment &moment,
                                                      QRandomGenerator &random)
{
    using T = FaultSpec::Type;
    const double elapsed = moment.elapsed;
    DeviceAnswer answer;
    if (m_faults.strikes(T::Silent, elapsed)) {
        answer.struck << T::Silent;
        return answer;
    }

    const int function = quint8(request.at(2));
    if (function == 3) {
        const int first = lineframes::wordAt(request, 3);
        const int count = lineframes::wordAt(request, 5);
        if (count < 1 || count > kMaxReadCount || first + count > 0x10000)
            return std::nullopt;
        const int serial = serialTextRegister();
        if (m_readdressed && m_faults.active(T::NoSerialAfterBurn, elapsed) && first < serial + kTextRegisters &&
            first + count > serial)
            return std::nullopt;
        if (!monitoringReadAllowed(first, count, elapsed))
            return std::nullopt;
        answer.bytes = readReply(first, count, moment);
    } else if (function == 6) {
        setRegister(lineframes::wordAt(request, 3), lineframes::wordAt(request, 5));
        answer.bytes = request;
    } else if (function == 9) {
        answer.bytes =
            m_faults.active(T::IdentityNoise, elapsed) ? lineframes::noise(13, random) : identityReply(moment);
    } else if (function == 8) {
        const std::optional<QByteArray> echo = assignAddress(request, moment);
        if (!echo)
            return std::nullopt;
        answer.bytes = *echo;
    } else {
        return std::nullopt;
    }
    m_faults.spoil(answer, true, elapsed, random);
    return answer;
}
