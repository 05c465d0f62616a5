#pragma once

#include "link/replycheck.h"

#include <QtGlobal>

// How one device's exchanges went: an exchange is one request with its
// retry, if the protocol makes one; the reply faults count every try.
struct LinkCounts
{
    qint64 exchanges = 0;
    qint64 firstTry = 0;  // answered correctly on the first try
    qint64 retriedOk = 0; // the first try failed, the retry's reply was taken
    qint64 timeouts = 0;
    qint64 crcErrors = 0; // whole replies with a wrong start or end byte or CRC
    qint64 shortReplies = 0;
    qint64 wrongAddress = 0;
    qint64 wrongFunction = 0;
    qint64 wrongLength = 0;

    // One exchange of tryCount tries (1 or 2).
    void add(const ReplyCheck *tries, int tryCount);
    // The share of exchanges answered correctly on the first try, in per cent;
    // -1 before the first exchange.
    double linkQuality() const;
};
