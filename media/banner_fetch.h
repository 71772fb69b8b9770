#pragma once

#include "media/banner_download.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

// The banner's download and the writing of its file, on a thread of their
// own, so that neither the splash nor the main window ever waits for the
// vendor's server. One download at a time; its outcome comes back on the
// thread that made this object, through its event loop.
class BannerFetch : public QObject
{
public:
    // `file` is where a downloaded body is stored, whole and only after the
    // transfer succeeded.
    BannerFetch(BannerSource source, std::string file, QObject *parent = nullptr);
    // Stops a running download at once and waits for its thread.
    ~BannerFetch() override;

    // Starts a download unless one is under way. Without an address the
    // outcome, a failure, is there at once.
    void start();
    // A download has started and its outcome has not been delivered yet.
    bool running() const { return m_running; }
    // Whether the last download stored a new banner file, once it has
    // ended; each outcome is taken once.
    std::optional<bool> takeOutcome();

    // Called when a download has ended, on this object's thread.
    std::function<void()> onFinished;

private:
    void finish(bool stored);

    BannerSource m_source;
    std::string m_file;
    std::thread m_thread;
    std::shared_ptr<DownloadStop> m_stop;
    bool m_running = false;
    std::optional<bool> m_outcome;
};
