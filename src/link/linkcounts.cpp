#include "link/linkcounts.h"

void LinkCounts::add(const ReplyCheck *tries, int tryCount)
{
    ++exchanges;
    if (tryCount > 0 && tries[0].correct())
        ++firstTry;
    else if (tryCount > 1 && tries[tryCount - 1].taken)
        ++retriedOk;
    for (int i = 0; i < tryCount; ++i) {
        const ReplyCheck &reply = tries[i];
        timeouts += reply.timeout;
        crcErrors += reply.corrupt;
        shortReplies += reply.shortReply;
        wrongAddress += reply.wrongAddress;
        wrongFunction += reply.wrongFunction;
        wrongLength += reply.wrongLength;
    }
}

double LinkCounts::linkQuality() const
{
    return exchanges > 0 ? 100.0 * double(firstTry) / double(exchanges) : -1.0;
}
