#include "sim_fault.h"

namespace {

struct FaultName {
    SimFault fault;
    const char *name;
};

const FaultName kFaultNames[] = {
    {SimFault::None, "none"},
    {SimFault::Silent, "silent"},
    {SimFault::Slow, "slow"},
    {SimFault::Garbage, "garbage"},
    {SimFault::GarbageBefore, "garbage-before"},
    {SimFault::Truncated, "truncated"},
    {SimFault::AbsurdLength, "absurd-length"},
    {SimFault::ForeignPort, "foreign-port"},
    {SimFault::CloseTcp, "close-tcp"},
};

} // namespace

namespace simfault {

QString name(SimFault fault)
{
    for (const FaultName &entry : kFaultNames) {
        if (entry.fault == fault)
            return QString::fromLatin1(entry.name);
    }
    return QString();
}

bool fromName(const QString &name, SimFault *fault)
{
    for (const FaultName &entry : kFaultNames) {
        if (name == QLatin1String(entry.name)) {
            *fault = entry.fault;
            return true;
        }
    }
    return false;
}

QStringList names()
{
    QStringList result;
    for (const FaultName &entry : kFaultNames)
        result << QString::fromLatin1(entry.name);
    return result;
}

} // namespace simfault
