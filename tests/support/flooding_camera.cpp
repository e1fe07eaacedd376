#include "flooding_camera.h"

#include "test_env.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kBlockBytes = 64 * 1024; // units written at a time
constexpr int kPollMs = 10;            // the thread looks at the time and the stop this often
// Bounds whatever the thread does after its flood (ending the unit, the closing bytes, holding).
constexpr auto kAfterFlood = std::chrono::seconds(30);
} // namespace

FloodingCamera::~FloodingCamera()
{
    m_stop = m_release = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listener >= 0)
        ::close(m_listener);
}

bool FloodingCamera::listen(const QString &address)
{
    m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(6793);
    ::inet_pton(AF_INET, address.toLatin1().constData(), &sa.sin_addr);
    return m_listener >= 0 && ::bind(m_listener, reinterpret_cast<sockaddr *>(&sa), sizeof sa) == 0
           && ::listen(m_listener, 4) == 0;
}

void FloodingCamera::flood(const QByteArray &unit, const QByteArray &closing, int ms)
{
    const QByteArray block = unit.repeated(qMax(1, kBlockBytes / qMax(1, unit.size())));
    m_thread = std::thread([this, block, closing, ms] { run(block, closing, ms); });
}

// Writes what the link takes of size bytes at data: how many, -1 when the connection failed.
qint64 FloodingCamera::write_some(int link, const char *data, int size)
{
    pollfd p{link, POLLOUT, 0};
    if (::poll(&p, 1, kPollMs) <= 0)
        return 0;
    const ssize_t n = ::send(link, data, size_t(size), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0)
        return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
    m_sent += n;
    return n;
}

void FloodingCamera::run(const QByteArray &block, const QByteArray &closing, int ms)
{
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
    const Clock::time_point last = end + kAfterFlood;
    int link = -1;
    int at = 0;
    // The flood, to the end of the unit under way.
    while ((at != 0 || (!m_stop && Clock::now() < end)) && Clock::now() < last) {
        if (link < 0) {
            pollfd p{m_listener, POLLIN, 0};
            if (::poll(&p, 1, kPollMs) > 0)
                link = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK);
            at = 0;
        } else if (const qint64 n = write_some(link, block.constData() + at, block.size() - at); n >= 0) {
            at = int((at + n) % block.size());
        } else {
            ::close(link);
            link = -1;
        }
    }
    for (int done = 0; link >= 0 && done < closing.size() && Clock::now() < last;) {
        const qint64 n = write_some(link, closing.constData() + done, closing.size() - done);
        if (n < 0)
            break;
        done += int(n);
    }
    while (!m_release && Clock::now() < last)
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    if (link >= 0)
        ::close(link);
}

FloodWatch::FloodWatch(FloodingCamera &camera, qint64 limitKiB)
    : m_limit(limitKiB)
    , m_before(testenv::resetPeakMemoryKiB())
{
    m_clock.start();
    turns.onTurn = [this, &camera](int) {
        m_growth = qMax(m_growth, testenv::memoryKiB("VmRSS") - m_before);
        if (exceeded())
            camera.stop();
    };
}

qint64 FloodWatch::peakGrowthKiB() const { return testenv::memoryKiB("VmHWM") - m_before; }
