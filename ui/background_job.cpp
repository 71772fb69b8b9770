#include "ui/background_job.h"

#include <chrono>
#include <exception>
#include <thread>

bool JobProgress::report(int value, const QString &label)
{
    {
        const std::lock_guard lock(m_mutex);
        m_reports.emplace_back(value, label);
    }
    m_changed.notify_one();
    return !m_stopped;
}

bool runInBackground(Desktop::Progress &progress, const std::function<void(JobProgress &)> &job)
{
    JobProgress state;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            job(state);
        } catch (...) {
            failure = std::current_exception();
        }
        {
            const std::lock_guard lock(state.m_mutex);
            state.m_done = true;
        }
        state.m_changed.notify_one();
    });
    bool done = false;
    while (!done) {
        std::deque<std::pair<int, QString>> reports;
        {
            std::unique_lock lock(state.m_mutex);
            // Never longer than a frame without answering the desktop.
            state.m_changed.wait_for(lock, std::chrono::milliseconds(10),
                                     [&] { return state.m_done || !state.m_reports.empty(); });
            reports.swap(state.m_reports);
            done = state.m_done;
        }
        for (const auto &[value, label] : reports) {
            if (!state.m_stopped && !progress.setValue(value, label))
                state.m_stopped = true;
        }
        progress.keepResponsive();
    }
    worker.join();
    if (failure && !state.m_stopped)
        std::rethrow_exception(failure);
    return !state.m_stopped;
}
