#pragma once

#include "simclock.h"
#include "simulatedinverter.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QVector>

#include <vector>

// Bytes that a request makes the line carry, due afterUs microseconds after
// the request has gone out completely.
struct TimedReply
{
    double afterUs = 0.0;
    QByteArray bytes;
};

// What the inverters at the address of an inverter request put on the line,
// in the order due: an echo of the request from an inverter with that fault,
// then one reply, or the overlay of several that collide, or (identity
// queries) one reply per inverter, one after the other. byteUs is the time of
// one byte at the line's rate. `replying` counts the inverters that answered;
// `struck` gets the reply faults that struck their answers.
QVector<TimedReply> inverterReplies(std::vector<SimulatedInverter> &inverters, const QByteArray &request,
                                    const SimMoment &moment, QRandomGenerator &random, double byteUs,
                                    double turnaroundUs, int *replying = nullptr,
                                    QVector<FaultSpec::Type> *struck = nullptr);
