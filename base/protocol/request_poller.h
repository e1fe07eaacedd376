#pragma once

#include <QVector>

#include <array>

// Bookkeeping of the obtain and apply requests that the main window sends to the teacher and
// student pano cameras. A request kind is a pair of flags: pending (a request went out) and
// answered (the camera's reply echoed it). A poll every 500 ms turns an answered request into
// a success and one left unanswered too long into a failure. No widgets here: the main window
// shows the outcomes.
//
// Rules that keep a failure from ever being reported as a success:
// - arming a request clears its answered flag and its tick count, so an echo that arrived for
//   an earlier request (a late echo after a failure) cannot end the new one;
// - only a pending request can be answered;
// - the silent flag (a success shows no box) is set only together with an armed request and
//   cleared whenever that request ends, in success, in failure or by a cancel.
namespace request_poller {

// Ticks a request may stay unanswered: it fails at the eleventh, about 5.5 s after arming.
constexpr int kTickLimit = 10;

// In the order a poll looks at them.
enum class Kind { TeacherObtain, TeacherApply, StudentObtain, StudentApply };
constexpr int kKindCount = 4;

enum class Outcome { Succeeded, Failed };

struct Pair
{
    bool wait = false;   // pending
    bool ok = false;     // answered
    int ticks = 0;       // polls seen while pending
    bool silent = false; // the success shows no box (obtains only)
};

// What one poll ended.
struct Result
{
    Kind kind = Kind::TeacherObtain;
    Outcome outcome = Outcome::Failed;
    bool silent = false; // the silent flag the request had
    int ticks = 0;       // its tick count at the end (11 for a failure)
};

class Requests
{
public:
    Pair &operator[](Kind kind) { return m_pairs[size_t(kind)]; }
    const Pair &operator[](Kind kind) const { return m_pairs[size_t(kind)]; }

    // A request of this kind went out. A request still pending is replaced: its count and any
    // answer seen for it start afresh. silent only for the obtains.
    void arm(Kind kind, bool silent = false);
    // The camera echoed a request of this kind. Counts only while one is pending; returns
    // whether it counted.
    bool answer(Kind kind);
    // The request ends without an outcome (its camera went away).
    void cancel(Kind kind);
    // Everything back to idle.
    void clear();

    // One poll over the four kinds in order. A pending request counts one tick; past the limit
    // it fails (even when its answer came in the same interval), else an answer makes it
    // succeed. Returns the requests that ended, in order; they are idle again before the
    // caller shows anything.
    QVector<Result> tick();

private:
    std::array<Pair, kKindCount> m_pairs{};
};

} // namespace request_poller
