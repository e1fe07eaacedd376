#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <functional>

// Whether the calling thread's event loop keeps turning during a wait: counts the turns of a
// 10 ms timer and keeps the longest gap between two of them. onTurn (when set) runs at each
// turn with the count so far.
struct EventTurns {
    int turns = 0;
    qint64 longestGap = 0;
    std::function<void(int)> onTurn;
    QTimer tick;
    QElapsedTimer gap;

    EventTurns()
    {
        tick.setInterval(10);
        QObject::connect(&tick, &QTimer::timeout, &tick, [this] {
            longestGap = std::max(longestGap, gap.restart());
            if (onTurn)
                onTurn(++turns);
            else
                ++turns;
        });
        gap.start();
        tick.start();
    }
    void stop() { tick.stop(); }
};
