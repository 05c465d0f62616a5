#include "faultset.h"

#include "lineframes.h"

const FaultSpec *FaultSet::active(FaultSpec::Type type, double elapsed) const
{
    for (const FaultSpec &fault : m_faults) {
        if (fault.type == type && fault.window.contains(elapsed))
            return &fault;
    }
    return nullptr;
}

int FaultSet::spoil(QByteArray &reply, bool endByte, double elapsed, QRandomGenerator &random) const
{
    using T = FaultSpec::Type;
    if (active(T::Garbled, elapsed))
        reply = lineframes::noise(reply.size(), random);
    const int crcLow = reply.size() - (endByte ? 3 : 2);
    if (active(T::WrongCrc, elapsed) && crcLow >= 0)
        reply[crcLow] = char(reply.at(crcLow) ^ 0xFF);
    if (const FaultSpec *cut = active(T::Short, elapsed)) {
        const int keep = cut->bytes < 0 ? reply.size() / 2 : cut->bytes;
        reply.truncate(std::min(keep, std::max(int(reply.size()) - 1, 0)));
    }
    const FaultSpec *slow = active(T::Slow, elapsed);
    return slow ? slow->delayMs : 0;
}
