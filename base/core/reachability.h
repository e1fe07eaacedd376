#pragma once

#include <QString>
#include <functional>

// Whether a camera address answers. The program asks the system's ping; tests put in a check
// of their own so that none waits on a real network.
namespace reachability {
using Check = std::function<bool(const QString &host)>;
void setCheck(Check check); // an empty check puts the system ping back
bool isReachable(const QString &host);
// The system ping: one echo request, at most 4 seconds for the answer, judged by exit status.
bool systemPing(const QString &host);
} // namespace reachability
