// GET and POST into memory, and the body sink every transfer writes through.
#include "net/HttpClient.h"

#include "net/CurlPhaseTimes.h"
#include "net/CurlTransfer.h"

namespace {

const int DEFAULT_TIMEOUT_SECONDS = 15;
const int DEFAULT_ATTEMPTS = 3;
const long POST_TIMEOUT_SECONDS = 5;

// A redirect is not followed; the caller gets its target instead of the body.
void ReplaceBodyByRedirectTarget(CCurlTransfer& transfer, int status) {
    if (status < 300 || status > 399)
        return;
    char* target = nullptr;
    if (curl_easy_getinfo(transfer.Handle(), CURLINFO_REDIRECT_URL, &target) == CURLE_OK &&
        target != nullptr)
        transfer.Body() = target;
}

}  // namespace

size_t HttpWriteToBuffer(void* data, size_t size, size_t count, void* buffer) {
    if (data == nullptr || buffer == nullptr)
        return size_t(-1);
    auto* body = static_cast<std::string*>(buffer);
    size_t bytes = size * count;
    if (bytes > HTTP_MAX_BODY_BYTES - body->size() || body->size() > HTTP_MAX_BODY_BYTES)
        return CURL_WRITEFUNC_ERROR;
    body->append(static_cast<const char*>(data), bytes);
    return bytes;
}

std::string HttpGet(const char* url, int& status, int timeout, int attempts,
                    HttpPhaseTimes* pPhases) {
    CCurlTransfer transfer;
    if (!transfer.IsValid()) {
        status = CURLE_FAILED_INIT;
        return std::string();
    }
    if (timeout <= 0)
        timeout = DEFAULT_TIMEOUT_SECONDS;
    if (attempts <= 0)
        attempts = DEFAULT_ATTEMPTS;
    transfer.SetCommonOptions(url);
    curl_easy_setopt(transfer.Handle(), CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(transfer.Handle(), CURLOPT_TIMEOUT, long(timeout));

    CURLcode code = transfer.Perform(attempts);
    status = code != CURLE_OK ? int(code) : transfer.QueryResponseCode();
    if (pPhases != nullptr)
        *pPhases = QueryHttpPhaseTimes(transfer.Handle());
    ReplaceBodyByRedirectTarget(transfer, status);
    return std::move(transfer.Body());
}

std::string HttpPost(int& status, const char* url, const char* body) {
    CCurlTransfer transfer;
    if (!transfer.IsValid()) {
        status = CURLE_FAILED_INIT;
        return std::string();
    }
    if (body == nullptr)
        body = "";
    transfer.SetCommonOptions(url);
    curl_easy_setopt(transfer.Handle(), CURLOPT_POST, 1L);
    curl_easy_setopt(transfer.Handle(), CURLOPT_POSTFIELDS, body);
    curl_easy_setopt(transfer.Handle(), CURLOPT_POSTFIELDSIZE,
                     long(std::char_traits<char>::length(body)));
    curl_easy_setopt(transfer.Handle(), CURLOPT_READFUNCTION, nullptr);
    curl_easy_setopt(transfer.Handle(), CURLOPT_TIMEOUT, POST_TIMEOUT_SECONDS);

    CURLcode code = transfer.Perform(1);
    status = code != CURLE_OK ? int(code) : transfer.QueryResponseCode();
    return std::move(transfer.Body());
}
