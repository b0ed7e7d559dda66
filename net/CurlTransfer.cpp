// Shared set-up of the launcher's libcurl transfers.
#include "net/CurlTransfer.h"

#include <mutex>

#include "net/HttpClient.h"

namespace {

const char USER_AGENT[] = "TavexClient";
const long CONNECT_TIMEOUT_SECONDS = 5;
// A host that comes from the network must never make the launcher read a
// local file or speak another protocol.
const char ALLOWED_PROTOCOLS[] = "http,https";

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
}

CURLcode CCurlTransfer::Perform(int attempts) {
    CURLcode code = CURLE_FAILED_INIT;
    for (int i = 0; i < attempts; ++i) {
        m_strBody.clear();  // a retry never shows bytes of an earlier attempt
        code = curl_easy_perform(m_pCurl);
        if (code == CURLE_OK)
            break;
    }
    return code;
}

int CCurlTransfer::QueryResponseCode() {
    long nCode = 0;
    CURLcode query = curl_easy_getinfo(m_pCurl, CURLINFO_RESPONSE_CODE, &nCode);
    return query == CURLE_OK ? int(nCode) : int(query);
}
