#include "media/banner_download.h"

#include "base/gbk.h"
#include "media/curl_library.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>

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

curl_socket_t openGiven(void *connect, curlsocktype, curl_sockaddr *)
{
    const int fd = (*static_cast<const std::function<int()> *>(connect))();
    return fd < 0 ? CURL_SOCKET_BAD : fd;
}

int alreadyConnected(void *, curl_socket_t, curlsocktype)
{
    return CURL_SOCKOPT_ALREADY_CONNECTED;
}

// One request on the multi handle, which can be woken to stop it. The
// result of the transfer, or nothing when it was stopped.
std::optional<CURLcode> perform(const CurlLibrary &curl, CURLM *multi, CURL *easy, const DownloadStop *stop)
{
    curl.multi_add_handle(multi, easy);
    std::optional<CURLcode> result = CURLE_OK;
    for (;;) {
        if (stop && stop->requested()) {
            result.reset();
            break;
        }
        int running = 0;
        if (curl.multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        if (running == 0) {
            int queued = 0;
            while (const CURLMsg *message = curl.multi_info_read(multi, &queued)) {
                if (message->msg == CURLMSG_DONE)
                    result = message->data.result;
            }
            break;
        }
        curl.multi_poll(multi, nullptr, 0, 1000, nullptr);
    }
    curl.multi_remove_handle(multi, easy);
    return result;
}

} // namespace

void DownloadStop::request()
{
    const std::lock_guard lock(m_mutex);
    m_requested = true;
    if (m_multi)
        m_curl->multi_wakeup(m_multi);
}

bool DownloadStop::requested() const
{
    const std::lock_guard lock(m_mutex);
    return m_requested;
}

void DownloadStop::watch(void *multi, const CurlLibrary *curl)
{
    const std::lock_guard lock(m_mutex);
    m_multi = multi;
    m_curl = curl;
}

std::string bannerRequestTarget()
{
    return "/" + utf8ToGbk("图片") + "/guanggao.gif";
}

BannerDownload downloadBanner(const BannerSource &source, DownloadStop *stop)
{
    return downloadBanner(source, std::function<int()>(), stop);
}

BannerDownload downloadBanner(const BannerSource &source, const std::function<int()> &connect,
                              DownloadStop *stop)
{
    BannerDownload result;
    if (source.address.empty()) {
        result.error = "no banner address";
        return result;
    }
    const CurlLibrary *const curl = curlLibrary();
    if (!curl) {
        result.error = "no HTTP client";
        return result;
    }
    const auto freeList = [curl](curl_slist *list) { curl->slist_free_all(list); };
    const auto freeEasy = [curl](CURL *easy) { curl->easy_cleanup(easy); };
    const auto freeMulti = [curl, stop](CURLM *multi) {
        if (stop)
            stop->watch(nullptr, nullptr);
        curl->multi_cleanup(multi);
    };
    std::unique_ptr<curl_slist, decltype(freeList)> headers(
        curl->slist_append(nullptr, "Accept: text/html, */*"), freeList);
    std::unique_ptr<CURLM, decltype(freeMulti)> multi(curl->multi_init(), freeMulti);
    if (!multi) {
        result.error = "no HTTP client";
        return result;
    }
    if (stop)
        stop->watch(multi.get(), curl);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(source.totalTimeoutMs);

    // Redirects are followed here rather than by libcurl, because the first
    // request carries a request target of raw GBK bytes that a followed
    // request must not repeat.
    std::string url = source.address + "/";
    bool first = true;
    for (int redirects = 0;; ++redirects) {
        const long remaining = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                .count());
        if (remaining <= 0) {
            result.error = "time-out";
            return result;
        }
        std::unique_ptr<CURL, decltype(freeEasy)> easy(curl->easy_init(), freeEasy);
        if (!easy) {
            result.error = "no HTTP client";
            return result;
        }
        Transfer transfer;
        transfer.maxBytes = source.maxBytes;
        CURL *const e = easy.get();
        curl->easy_setopt(e, CURLOPT_URL, url.c_str());
        const std::string target = bannerRequestTarget();
        if (first)
            curl->easy_setopt(e, CURLOPT_REQUEST_TARGET, target.c_str());
        curl->easy_setopt(e, CURLOPT_PROTOCOLS_STR, "http");
        curl->easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
        curl->easy_setopt(e, CURLOPT_HTTPHEADER, headers.get());
        curl->easy_setopt(e, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
        curl->easy_setopt(e, CURLOPT_FOLLOWLOCATION, 0L);
        curl->easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
        curl->easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, source.connectTimeoutMs);
        curl->easy_setopt(e, CURLOPT_TIMEOUT_MS, remaining);
        curl->easy_setopt(e, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl->easy_setopt(e, CURLOPT_LOW_SPEED_TIME, std::max(1L, source.stallTimeoutMs / 1000));
        curl->easy_setopt(e, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(source.maxBytes));
        curl->easy_setopt(e, CURLOPT_WRITEFUNCTION, collect);
        curl->easy_setopt(e, CURLOPT_WRITEDATA, &transfer);
        if (connect) {
            curl->easy_setopt(e, CURLOPT_OPENSOCKETFUNCTION, openGiven);
            curl->easy_setopt(e, CURLOPT_OPENSOCKETDATA, &connect);
            curl->easy_setopt(e, CURLOPT_SOCKOPTFUNCTION, alreadyConnected);
        }
        const std::optional<CURLcode> code = perform(*curl, multi.get(), e, stop);
        if (!code) {
            result.error = "stopped";
            return result;
        }
        if (*code != CURLE_OK) {
            result.error = curl->easy_strerror(*code);
            return result;
        }
        long status = 0;
        curl->easy_getinfo(e, CURLINFO_RESPONSE_CODE, &status);
        if (status >= 300 && status < 400) {
            const char *next = nullptr;
            curl->easy_getinfo(e, CURLINFO_REDIRECT_URL, &next);
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
