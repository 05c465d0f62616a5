#include "faultset.h"

#include "lineframes.h"

void FaultSet::seed(quint32 scenarioSeed, quint32 device)
{
    const quint32 seeds[] = {scenarioSeed, device};
    m_draws = QRandomGenerator(seeds, 2);
}

const FaultSpec *FaultSet::active(FaultSpec::Type type, double elapsed) const
{
    for (const FaultSpec &fault : m_faults) {
        if (fault.type == type && fault.window.contains(elapsed))
            return &fault;
    }
    return nullptr;
}

const FaultSpec *FaultSet::strikes(FaultSpec::Type type, double elapsed)
{
    const FaultSpec *fault = active(type, elapsed);
    // A fault that strikes every reply draws nothing.
    if (!fault || (fault->probability < 1.0 && m_draws.generateDouble() >= fault->probability))
        return nullptr;
    return fault;
}

void FaultSet::spoil(DeviceAnswer &answer, bool endByte, double elapsed, QRandomGenerator &random)
{
    using T = FaultSpec::Type;
    QByteArray &reply = answer.bytes;
    if (strikes(T::Garbled, elapsed)) {
        reply = lineframes::noise(reply.size(), random);
        answer.struck << T::Garbled;
    }
    const int crcLow = reply.size() - (endByte ? 3 : 2);
    if (crcLow >= 0 && strikes(T::WrongCrc, elapsed)) {
        reply[crcLow] = char(reply.at(crcLow) ^ 0xFF);
        answer.struck << T::WrongCrc;
    }
    if (const FaultSpec *cut = strikes(T::Short, elapsed)) {
        const int keep = cut->bytes < 0 ? reply.size() / 2 : cut->bytes;
        reply.truncate(std::min(keep, std::max(int(reply.size()) - 1, 0)));
        answer.struck << T::Short;
    }
    if (const FaultSpec *slow = strikes(T::Slow, elapsed)) {
        answer.delayMs = slow->delayMs;
        answer.struck << T::Slow;
    }
}
