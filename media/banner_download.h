#pragma once

#include <functional>
#include <mutex>
#include <string>

struct CurlLibrary;

// Where the banner comes from and how long the start-up may wait for it.
struct BannerSource
{
    // "http://host[:port]"; empty means no banner is fetched at all.
    std::string address;
    long connectTimeoutMs = 3000;
    long totalTimeoutMs = 10000; // the whole transfer, redirects included
    long stallTimeoutMs = 3000;  // no byte for this long abandons it
    std::size_t maxBytes = 4 << 20;
    int maxRedirects = 14;
};

// The request target of the banner: "/图片/guanggao.gif" with 图片 as its
// two GBK characters, sent as they are, not percent-encoded.
std::string bannerRequestTarget();

struct BannerDownload
{
    bool ok = false;
    std::string body;  // the whole body, only when ok
    std::string error; // why not, for the logs of a curious developer
};

// Lets another thread end a download at once, whatever it waits for.
class DownloadStop
{
public:
    // Ends the download that uses this, now or as soon as it begins.
    void request();
    bool requested() const;

    // For the download: the transfer to wake when asked to stop (nullptr:
    // none any more).
    void watch(void *multi, const CurlLibrary *curl);

private:
    mutable std::mutex m_mutex;
    void *m_multi = nullptr;
    const CurlLibrary *m_curl = nullptr;
    bool m_requested = false;
};

// GET over plain HTTP/1.1 with the headers the vendor's server expects,
// following redirects; an error status, a body over the bound, a stall, a
// time-out or a stop is a failure. Blocks until done, so it runs on a
// thread of its own.
BannerDownload downloadBanner(const BannerSource &source, DownloadStop *stop = nullptr);

// The same over connections `connect` hands out, one a request, instead of
// the network: a socket already connected to whatever answers (-1 for none).
// Lets the response handling be fed from memory.
BannerDownload downloadBanner(const BannerSource &source, const std::function<int()> &connect,
                              DownloadStop *stop = nullptr);
