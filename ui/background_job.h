#pragma once

#include "ui/desktop.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <utility>

// What a job running off the window's thread tells the window: its
// progress, in the order it made it. The window passes each report on to
// the progress the player sees.
class JobProgress
{
public:
    // Queues a report; false once the player has stopped the job, which
    // then ends as soon as it can (its result is dropped).
    bool report(int value, const QString &label);
    bool stopped() const { return m_stopped; }

private:
    friend bool runInBackground(Desktop::Progress &, const std::function<void(JobProgress &)> &);

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::pair<int, QString>> m_reports;
    bool m_done = false;
    std::atomic<bool> m_stopped = false;
};

// Runs `job` on a thread of its own while the window's thread goes on
// painting and answering, and passes every report of the job to `progress`
// (so its 取消 works from the start). Returns false when the player stopped
// the job; true once it has ended. An exception of the job is thrown here,
// on the window's thread. What the job makes it hands over through what it
// captures: it has ended, and nothing else touches it, when this returns.
bool runInBackground(Desktop::Progress &progress, const std::function<void(JobProgress &)> &job);
