#include "media/banner_fetch.h"

#include "base/file_io.h"

BannerFetch::BannerFetch(BannerSource source, std::string file, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
    , m_file(std::move(file))
{}

BannerFetch::~BannerFetch()
{
    if (m_thread.joinable()) {
        m_stop->request();
        m_thread.join();
    }
}

void BannerFetch::start()
{
    if (m_running)
        return;
    m_outcome.reset();
    if (m_source.address.empty()) {
        m_outcome = false;
        return;
    }
    if (m_thread.joinable())
        m_thread.join(); // the last one has delivered its outcome: it has ended
    m_running = true;
    m_stop = std::make_shared<DownloadStop>();
    m_thread = std::thread([this, source = m_source, stop = m_stop, file = m_file] {
        const BannerDownload download = downloadBanner(source, stop.get());
        bool stored = download.ok;
        if (stored) {
            try {
                writeFileAtomically(file, download.body);
            } catch (const std::exception &) {
                stored = false;
            }
        }
        // Dropped unread if this object is destroyed first.
        QMetaObject::invokeMethod(
            this, [this, stored] { finish(stored); }, Qt::QueuedConnection);
    });
}

std::optional<bool> BannerFetch::takeOutcome()
{
    std::optional<bool> outcome = m_outcome;
    m_outcome.reset();
    return outcome;
}

void BannerFetch::finish(bool stored)
{
    m_running = false;
    m_outcome = stored;
    if (onFinished)
        onFinished();
}
