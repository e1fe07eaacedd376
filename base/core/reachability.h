#pragma once

#include <QString>
#include <atomic>
#include <functional>

// Whether a camera address answers. The program asks the system's ping; tests put in a check
// of their own so that none waits on a real network.
namespace reachability {
using Check = std::function<bool(const QString &host)>;
void setCheck(Check check); // an empty check puts the system ping back
bool isReachable(const QString &host);
// The system ping: one echo request, at most 4 seconds for the answer, judged by exit status.
bool systemPing(const QString &host);

// Whether a TCP port of the host accepts a connection within ms milliseconds (a player's look at
// a camera's stream port before it opens it). On the GUI thread the window's events are handled
// meanwhile; on another thread it waits in an event loop of its own. A set cancel flag ends the
// wait early with false. Tests put in a check of their own with setPortCheck.
using PortCheck = std::function<bool(const QString &host, quint16 port, int ms)>;
void setPortCheck(PortCheck check); // an empty check puts the real connect back
bool portAccepts(const QString &host, quint16 port, int ms, const std::atomic<bool> *cancel = nullptr);
} // namespace reachability
