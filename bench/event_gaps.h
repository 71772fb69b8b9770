#pragma once

// The longest time the window's thread went without turning its event loop
// while something ran: a 1 ms timer notes the gaps between its ticks. What
// the player feels as a freeze, measured in the process; xmon measures the
// same from outside, by the window manager's pings.
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

class EventGaps
{
public:
    EventGaps()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout,
                         [this] { m_longest = std::max(m_longest, m_clock.restart()); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    // Milliseconds of the longest gap since start(), the last one included.
    double stop()
    {
        m_timer.stop();
        return static_cast<double>(std::max(m_longest, m_clock.elapsed()));
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_longest = 0;
};
