// Shared set-up of the launcher's libcurl transfers.
#include "net/CurlTransfer.h"

#include <atomic>
#include <chrono>
#include <mutex>

#include "net/HttpClient.h"

namespace {

const char USER_AGENT[] = "TavexClient";
const long CONNECT_TIMEOUT_SECONDS = 5;
// A host that comes from the network must never make the launcher read a
// local file or speak another protocol.
const char ALLOWED_PROTOCOLS[] = "http,https";

// How often a waiting transfer looks at the stop flag: shutdown waits at most
// about this long for a transfer in flight.
const int STOP_CHECK_INTERVAL_MS = 50;

std::atomic<bool> g_bStopping{false};

// libcurl's progress callback: any non-zero return ends the transfer with
// CURLE_ABORTED_BY_CALLBACK.
int AbortWhenStopping(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return g_bStopping.load() ? 1 : 0;
}

// The code of the finished transfer, as the multi handle reports it.
CURLcode FinishedCode(CURLM* pMulti) {
    CURLcode code = CURLE_FAILED_INIT;
    int nLeft = 0;
    while (CURLMsg* pMsg = curl_multi_info_read(pMulti, &nLeft)) {
        if (pMsg->msg == CURLMSG_DONE)
            code = pMsg->data.result;
    }
    return code;
}

// One blocking transfer that still wakes up every few milliseconds, so the
// stop flag ends it also while it waits for a silent host.
CURLcode PerformOnce(CURL* pCurl) {
    CURLM* pMulti = curl_multi_init();
    if (pMulti == nullptr)
        return CURLE_OUT_OF_MEMORY;
    if (curl_multi_add_handle(pMulti, pCurl) != CURLM_OK) {
        curl_multi_cleanup(pMulti);
        return CURLE_FAILED_INIT;
    }
    int nRunning = 1;
    CURLcode code = CURLE_OK;
    while (nRunning > 0) {
        CURLMcode mc = curl_multi_perform(pMulti, &nRunning);
        if (mc == CURLM_OK && nRunning > 0)
            mc = curl_multi_poll(pMulti, nullptr, 0, STOP_CHECK_INTERVAL_MS, nullptr);
        if (mc != CURLM_OK) {
            code = CURLE_FAILED_INIT;
            break;
        }
        if (g_bStopping.load() && nRunning > 0) {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
    }
    if (nRunning == 0)
        code = FinishedCode(pMulti);
    curl_multi_remove_handle(pMulti, pCurl);
    curl_multi_cleanup(pMulti);
    return code;
}

// libcurl counts its limit from its own start and in whole milliseconds, so
// a timed-out attempt can end a little before the call's limit: an attempt
// that timed out within the last 50 ms leaves no time for another.
bool RanOutOfTime(CURLcode code, std::chrono::steady_clock::time_point start, long nTotalMs) {
    if (code != CURLE_OPERATION_TIMEDOUT || nTotalMs <= 0)
        return false;
    auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    return long(elapsed.count()) + 50 >= nTotalMs;
}

void EnsureGlobalInit() {
    static std::once_flag s_once;
    std::call_once(s_once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

CCurlTransfer::CCurlTransfer() {
    EnsureGlobalInit();
    m_pCurl = curl_easy_init();
}

CCurlTransfer::~CCurlTransfer() {
    if (m_pCurl != nullptr)
        curl_easy_cleanup(m_pCurl);
}

void CCurlTransfer::SetCommonOptions(const char* url) {
    curl_easy_setopt(m_pCurl, CURLOPT_URL, url);
    curl_easy_setopt(m_pCurl, CURLOPT_USERAGENT, USER_AGENT);
    curl_easy_setopt(m_pCurl, CURLOPT_WRITEFUNCTION, HttpWriteToBuffer);
    curl_easy_setopt(m_pCurl, CURLOPT_WRITEDATA, &m_strBody);
    curl_easy_setopt(m_pCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_pCurl, CURLOPT_CONNECTTIMEOUT, CONNECT_TIMEOUT_SECONDS);
    curl_easy_setopt(m_pCurl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(m_pCurl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(m_pCurl, CURLOPT_PROTOCOLS_STR, ALLOWED_PROTOCOLS);
    curl_easy_setopt(m_pCurl, CURLOPT_REDIR_PROTOCOLS_STR, ALLOWED_PROTOCOLS);
    curl_easy_setopt(m_pCurl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(m_pCurl, CURLOPT_XFERINFOFUNCTION, AbortWhenStopping);
}

CURLcode CCurlTransfer::Perform(int attempts, long nTotalMs) {
    auto start = std::chrono::steady_clock::now();
    CURLcode code = CURLE_FAILED_INIT;
    for (int i = 0; i < attempts; ++i) {
        if (g_bStopping.load()) {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
        if (nTotalMs > 0) {
            auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - start);
            long nLeft = nTotalMs - long(elapsed.count());
            if (nLeft <= 0) {
                code = CURLE_OPERATION_TIMEDOUT;
                break;
            }
            curl_easy_setopt(m_pCurl, CURLOPT_TIMEOUT_MS, nLeft);
        }
        m_strBody.clear();  // a retry never shows bytes of an earlier attempt
        code = PerformOnce(m_pCurl);
        if (code == CURLE_OK || RanOutOfTime(code, start, nTotalMs))
            break;
    }
    // The bytes of a failed transfer are never an answer.
    if (code != CURLE_OK)
        m_strBody.clear();
    return code;
}

int CCurlTransfer::QueryResponseCode() {
    long nCode = 0;
    CURLcode query = curl_easy_getinfo(m_pCurl, CURLINFO_RESPONSE_CODE, &nCode);
    return query == CURLE_OK ? int(nCode) : int(query);
}

void HttpStopAll() {
    g_bStopping = true;
}

void HttpAllowTransfers() {
    g_bStopping = false;
}

bool HttpIsStopping() {
    return g_bStopping.load();
}
