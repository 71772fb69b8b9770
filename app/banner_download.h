#pragma once

#include <functional>
#include <string>

// Where the banner comes from and how long the start-up may wait for it.
struct BannerSource
{
    // "http://host[:port]"; empty means no banner is fetched at all.
    std::string address;
    long connectTimeoutMs = 3000;
    long totalTimeoutMs = 10000;   // the whole transfer, redirects included
    long stallTimeoutMs = 3000;    // no byte for this long abandons it
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

// GET over plain HTTP/1.1 with the headers the vendor's server expects,
// following redirects; an error status, a body over the bound, a stall or a
// time-out is a failure. Blocks until done.
BannerDownload downloadBanner(const BannerSource &source);

// The same over connections `connect` hands out, one a request, instead of
// the network: a socket already connected to whatever answers (-1 for none).
// Lets the response handling be fed from memory.
BannerDownload downloadBanner(const BannerSource &source, const std::function<int()> &connect);
