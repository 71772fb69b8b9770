#include "app/banner_download.h"

#include "base/gbk.h"

#include <chrono>
#include <memory>

#include <curl/curl.h>

namespace {

struct Transfer
{
    std::string body;
    std::size_t maxBytes = 0;
};

size_t collect(char *data, size_t size, size_t count, void *user)
{
    auto *transfer = static_cast<Transfer *>(user);
    const size_t bytes = size * count;
    if (transfer->body.size() + bytes > transfer->maxBytes)
        return 0; // abandons the transfer: CURLE_WRITE_ERROR
    transfer->body.append(data, bytes);
    return bytes;
}

struct CurlDeleter
{
    void operator()(CURL *curl) const { curl_easy_cleanup(curl); }
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

curl_socket_t openGiven(void *connect, curlsocktype, curl_sockaddr *)
{
    const int fd = (*static_cast<const std::function<int()> *>(connect))();
    return fd < 0 ? CURL_SOCKET_BAD : fd;
}

int alreadyConnected(void *, curl_socket_t, curlsocktype)
{
    return CURL_SOCKOPT_ALREADY_CONNECTED;
}

} // namespace

std::string bannerRequestTarget()
{
    return "/" + utf8ToGbk("图片") + "/guanggao.gif";
}

BannerDownload downloadBanner(const BannerSource &source)
{
    return downloadBanner(source, {});
}

BannerDownload downloadBanner(const BannerSource &source, const std::function<int()> &connect)
{
    BannerDownload result;
    if (source.address.empty()) {
        result.error = "no banner address";
        return result;
    }
    std::unique_ptr<curl_slist, CurlDeleter> headers(
        curl_slist_append(nullptr, "Accept: text/html, */*"));
    const auto deadline = std::chrono::steady_clock::now()
                          + std::chrono::milliseconds(source.totalTimeoutMs);

    // Redirects are followed here rather than by libcurl, because the first
    // request carries a request target of raw GBK bytes that a followed
    // request must not repeat.
    std::string url = source.address + "/";
    bool first = true;
    for (int redirects = 0;; ++redirects) {
        const long remaining = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                     deadline - std::chrono::steady_clock::now())
                                                     .count());
        if (remaining <= 0) {
            result.error = "time-out";
            return result;
        }
        std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
        if (!curl) {
            result.error = "no HTTP client";
            return result;
        }
        Transfer transfer;
        transfer.maxBytes = source.maxBytes;
        curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
        if (first)
            curl_easy_setopt(curl.get(), CURLOPT_REQUEST_TARGET, bannerRequestTarget().c_str());
        curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http");
        curl_easy_setopt(curl.get(), CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
        curl_easy_setopt(curl.get(), CURLOPT_HTTPHEADER, headers.get());
        curl_easy_setopt(curl.get(), CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
        curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 0L);
        curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT_MS, source.connectTimeoutMs);
        curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT_MS, remaining);
        curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_TIME,
                         std::max(1L, source.stallTimeoutMs / 1000));
        curl_easy_setopt(curl.get(), CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(source.maxBytes));
        curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, collect);
        curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &transfer);
        if (connect) {
            curl_easy_setopt(curl.get(), CURLOPT_OPENSOCKETFUNCTION, openGiven);
            curl_easy_setopt(curl.get(), CURLOPT_OPENSOCKETDATA, &connect);
            curl_easy_setopt(curl.get(), CURLOPT_SOCKOPTFUNCTION, alreadyConnected);
        }
        const CURLcode code = curl_easy_perform(curl.get());
        if (code != CURLE_OK) {
            result.error = curl_easy_strerror(code);
            return result;
        }
        long status = 0;
        curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
        if (status >= 300 && status < 400) {
            const char *next = nullptr;
            curl_easy_getinfo(curl.get(), CURLINFO_REDIRECT_URL, &next);
            if (!next) {
                result.error = "redirect without a location";
                return result;
            }
            if (redirects >= source.maxRedirects) {
                result.error = "too many redirects";
                return result;
            }
            url = next;
            first = false;
            continue;
        }
        if (status < 200 || status >= 300) {
            result.error = "HTTP status " + std::to_string(status);
            return result;
        }
        result.ok = true;
        result.body = std::move(transfer.body);
        return result;
    }
}
