#include "inverterreplies.h"

#include "lineframes.h"

QVector<TimedReply> inverterReplies(std::vector<SimulatedInverter> &inverters, const QByteArray &request,
                                    const SimMoment &moment, QRandomGenerator &random, double byteUs,
                                    double turnaroundUs, int *replying, QVector<FaultSpec::Type> *struck)
{
    const int address = quint8(request.at(1));
    QVector<DeviceAnswer> answers;
    bool echo = false;
    for (SimulatedInverter &inverter : inverters) {
        if (inverter.address() != address)
            continue;
        echo = echo || inverter.faults().active(FaultSpec::Type::Echo, moment.elapsed);
        const std::optional<DeviceAnswer> answer = inverter.answer(request, moment, random);
        if (!answer)
            continue;
        if (struck)
            *struck << answer->struck;
        if (!answer->bytes.isEmpty())
            answers << *answer;
    }
    if (replying)
        *replying = answers.size();
    QVector<TimedReply> replies;
    if (echo)
        replies << TimedReply{0.0, request};
    if (request.at(2) == 9) {
        double start = turnaroundUs;
        for (const DeviceAnswer &answer : qAsConst(answers)) {
            start += answer.delayMs * 1000.0;
            const double end = start + answer.bytes.size() * byteUs;
            replies << TimedReply{end, answer.bytes};
            start = end + turnaroundUs;
        }
        return replies;
    }
    if (answers.isEmpty())
        return replies;
    QVector<QByteArray> overlaid;
    int delayMs = 0;
    for (const DeviceAnswer &answer : qAsConst(answers)) {
        overlaid << answer.bytes;
        delayMs = std::max(delayMs, answer.delayMs);
    }
    const QByteArray bytes = overlaid.size() == 1 ? overlaid.first() : lineframes::collide(overlaid);
    replies << TimedReply{turnaroundUs + delayMs * 1000.0 + bytes.size() * byteUs, bytes};
    return replies;
}
