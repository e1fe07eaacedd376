#pragma once

#include <QString>
#include <QStringList>

// How a simulated camera misbehaves when it answers. A fault stays on until it is changed; the
// camera records what it receives whatever the fault.
enum class SimFault {
    None,          // answers as a camera should
    Silent,        // answers nothing
    Slow,          // answers after the fault's delay
    Garbage,       // sends bytes that are neither a frame nor a reply instead of the answer
    GarbageBefore, // sends garbage bytes, then the proper answer
    Truncated,     // TCP: a UOT header and half the payload, then nothing; UDP: half the datagram
    AbsurdLength,  // TCP: a UOT header whose length field is far beyond any sane frame, then the payload
    ForeignPort,   // TCP: a whole UOT frame for a port that is neither 6791 nor 1259, then the proper frame
    CloseTcp,      // TCP: closes the link when a frame arrives, instead of answering
};

namespace simfault {

// Length field sent by AbsurdLength: adding the 12 header bytes to it wraps a 32-bit sum.
constexpr quint32 kAbsurdFrameLength = 0xFFFFFFF8u;
// Port named by the extra frame of ForeignPort: next to the real ones, as a mix-up would be.
constexpr quint32 kForeignPort = 6792;

// "none", "silent", "slow", "garbage", "garbage-before", "truncated", "absurd-length",
// "foreign-port", "close-tcp".
QString name(SimFault fault);
// The fault of a name above; false (fault untouched) for any other text.
bool fromName(const QString &name, SimFault *fault);
QStringList names();

} // namespace simfault
