// The banner's response handling fed from memory: each request is answered
// by the next response of the input through a connected socket pair, with
// the real HTTP client reading it. Status lines, headers, redirects and
// bodies of any shape end in a banner within the size bound or a failure.
#include "media/banner_download.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    BannerSource source;
    source.address = "http://127.0.0.1:9";
    source.maxBytes = input.ConsumeIntegralInRange<std::size_t>(0, 4096);
    source.maxRedirects = input.ConsumeIntegralInRange(0, 3);
    source.totalTimeoutMs = 2000;
    source.stallTimeoutMs = 1000;
    std::vector<std::string> responses;
    for (int i = input.ConsumeIntegralInRange(1, 4); i > 0; --i)
        responses.push_back(input.ConsumeRandomLengthString(8192));

    std::vector<int> peers;
    size_t next = 0;
    const BannerDownload download = downloadBanner(source, [&]() -> int {
        int ends[2];
        if (next == responses.size() || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return -1;
        // The whole response waits in the socket, then the end of it.
        const std::string &response = responses[next++];
        ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
        if (::write(ends[1], response.data(), response.size()) < 0) {
        }
        ::shutdown(ends[1], SHUT_WR);
        peers.push_back(ends[1]);
        return ends[0];
    });
    for (int peer : peers)
        ::close(peer);
    if (download.ok && download.body.size() > source.maxBytes)
        std::abort();
    return 0;
}
