#pragma once

#include <curl/curl.h>

// libcurl's functions as the banner download uses them. The library is
// loaded on first use, not with the program: it and the two dozen libraries
// it needs would cost every start a third of its time, for a download that
// runs beside the splash anyway.
struct CurlLibrary
{
    decltype(&curl_easy_init) easy_init;
    decltype(&curl_easy_setopt) easy_setopt;
    decltype(&curl_easy_getinfo) easy_getinfo;
    decltype(&curl_easy_cleanup) easy_cleanup;
    decltype(&curl_easy_strerror) easy_strerror;
    decltype(&curl_slist_append) slist_append;
    decltype(&curl_slist_free_all) slist_free_all;
    decltype(&curl_multi_init) multi_init;
    decltype(&curl_multi_add_handle) multi_add_handle;
    decltype(&curl_multi_remove_handle) multi_remove_handle;
    decltype(&curl_multi_perform) multi_perform;
    decltype(&curl_multi_poll) multi_poll;
    decltype(&curl_multi_wakeup) multi_wakeup;
    decltype(&curl_multi_info_read) multi_info_read;
    decltype(&curl_multi_cleanup) multi_cleanup;
};

// The library, loaded and initialised once for the life of the process
// (safe from any thread), or nullptr when it is not installed.
const CurlLibrary *curlLibrary();
