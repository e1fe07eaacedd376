#include "protocol/request_poller.h"

namespace request_poller {

namespace {
bool may_be_silent(Kind kind) { return kind == Kind::TeacherObtain || kind == Kind::StudentObtain; }
} // namespace

void Requests::arm(Kind kind, bool silent)
{
    Pair &p = (*this)[kind];
    p.wait = true;
    p.ok = false;
    p.ticks = 0;
    p.silent = silent && may_be_silent(kind);
}

bool Requests::answer(Kind kind)
{
    Pair &p = (*this)[kind];
    if (!p.wait)
        return false;
    p.ok = true;
    return true;
}

void Requests::cancel(Kind kind) { (*this)[kind] = Pair{}; }

void Requests::clear()
{
    for (Pair &p : m_pairs)
        p = Pair{};
}

QVector<Result> Requests::tick()
{
    QVector<Result> ended;
    for (int i = 0; i < kKindCount; ++i) {
        Pair &p = m_pairs[size_t(i)];
        if (!p.wait)
            continue;
        ++p.ticks;
        Result r;
        r.kind = Kind(i);
        r.silent = p.silent;
        r.ticks = p.ticks;
        if (p.ticks > kTickLimit)
            r.outcome = Outcome::Failed;
        else if (p.ok)
            r.outcome = Outcome::Succeeded;
        else
            continue;
        p = Pair{};
        ended.append(r);
    }
    return ended;
}

} // namespace request_poller
