#pragma once

#include "protocol/request_poller.h"

// The obtain and apply requests as the reply parser reaches them: whether one of a kind waits,
// and an echo of one, which counts only while it waits. The parameter requests keep them.
class RequestAnswers
{
public:
    virtual ~RequestAnswers() = default;
    virtual bool pending(request_poller::Kind kind) const = 0;
    virtual bool answer_request(request_poller::Kind kind) = 0;
};
