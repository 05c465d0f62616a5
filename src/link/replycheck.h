#pragma once

// What the line health makes of the reply to one try of an exchange. Whether
// the protocol takes a reply is its own rule: a sound frame from another
// address is taken, yet it is no correct answer.
struct ReplyCheck
{
    bool taken = false;       // the protocol accepted it
    bool timeout = false;     // nothing came (or the request could not be sent)
    bool shortReply = false;  // it stopped before its end
    bool corrupt = false;     // all of it came, with a wrong start or end byte or CRC
    bool wrongLength = false; // its length byte says another length than the request asked for
    bool wrongAddress = false;
    bool wrongFunction = false;

    bool correct() const
    {
        return taken && !timeout && !shortReply && !corrupt && !wrongLength && !wrongAddress && !wrongFunction;
    }
};
