#include "simulatedsensor.h"

namespace {

constexpr int kMaxReadCount = 125;

} // namespace

SimulatedSensor::SimulatedSensor(int slave, bool crcHighFirst, bool lowByteFirst)
    : m_slave(slave)
    , m_crcHighFirst(crcHighFirst)
    , m_lowByteFirst(lowByteFirst)
{}

std::optional<DeviceAnswer> SimulatedSensor::answer(const QByteArray &request, lineframes::CrcOrder order,
                                                    const SimMoment &moment, QRandomGenerator &random)
{
    const lineframes::CrcOrder own = m_crcHighFirst ? lineframes::CrcOrder::HighFirst : lineframes::CrcOrder::LowFirst;
    const int first = lineframes::wordAt(request, 2);
    const int count = lineframes::wordAt(request, 4);
    if (order != own || count < 1 || count > kMaxReadCount || first + count > 0x10000)
        return std::nullopt;

    DeviceAnswer answer;
    if (m_faults.strikes(FaultSpec::Type::Silent, moment.elapsed)) {
        answer.struck << FaultSpec::Type::Silent;
        return answer;
    }
    answer.bytes.append(char(m_slave)).append(char(3)).append(char(2 * count));
    for (int reg = first; reg < first + count; ++reg) {
        const quint16 value = m_registers.contains(reg) ? m_registers.value(reg).valueAt(moment) : 0;
        answer.bytes.append(char(m_lowByteFirst ? value & 0xFF : value >> 8));
        answer.bytes.append(char(m_lowByteFirst ? value >> 8 : value & 0xFF));
    }
    lineframes::appendCrc(answer.bytes, 0, m_crcHighFirst);
    m_faults.spoil(answer, false, moment.elapsed, random);
    return answer;
}
