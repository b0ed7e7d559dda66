// One libcurl easy handle with the options every request of the launcher shares.
#pragma once

#include <curl/curl.h>

#include <string>

class CCurlTransfer {
public:
    // Makes sure libcurl's global state exists (once per process, thread-safe)
    // before creating the handle.
    CCurlTransfer();
    ~CCurlTransfer();
    CCurlTransfer(const CCurlTransfer&) = delete;
    CCurlTransfer& operator=(const CCurlTransfer&) = delete;

    bool IsValid() const { return m_pCurl != nullptr; }
    CURL* Handle() const { return m_pCurl; }
    std::string& Body() { return m_strBody; }

    // URL, user agent, body sink, no signals, 5 s connect limit, no
    // certificate checks, only http and https, also for redirects, the body
    // cap and the stop check.
    void SetCommonOptions(const char* url);
    // Performs up to attempts times, emptying the body before each one; stops
    // at the first attempt that completes. Returns the last attempt's code;
    // the body is empty unless it is CURLE_OK. After HttpStopAll nothing more
    // is sent and a transfer in flight ends with CURLE_ABORTED_BY_CALLBACK.
    // nTotalMs > 0 limits all attempts together: each one gets what is left.
    CURLcode Perform(int attempts, long nTotalMs = 0);
    // The HTTP response code, or the query's own error code when it fails.
    int QueryResponseCode();

private:
    CURL* m_pCurl = nullptr;
    std::string m_strBody;
};
