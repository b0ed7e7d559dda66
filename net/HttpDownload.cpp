// GET into a file: the target is replaced only by a complete, successful download.
#include <curl/curl.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "net/CurlTransfer.h"
#include "net/HttpClient.h"
#include "net/LocalFile.h"
#include "net/testing/HttpSeam.h"
#include "platform/kernel.h"

namespace {

const int DOWNLOAD_ATTEMPTS = 3;
const int RESULT_CANNOT_OPEN = -1;

std::atomic<long> g_nStallBytesPerSecond{HTTP_STALL_BYTES_PER_SECOND};
std::atomic<long> g_nStallSeconds{HTTP_STALL_SECONDS};
std::atomic<long> g_nTimeLimitSeconds{HTTP_DOWNLOAD_TIME_LIMIT_SECONDS};

// A temporary file beside the target, so a failed download never touches the
// target and the final rename stays on one file system.
class CTempFile {
public:
    explicit CTempFile(const std::string& target) : m_strPath(target + ".XXXXXX") {
        m_nFd = LocalFileCreateTemp(m_strPath);
    }
    ~CTempFile() {
        if (m_nFd >= 0)
            close(m_nFd);
        if (!m_bKept)
            LocalFileRemove(m_strPath);
    }
    bool IsOpen() const { return m_nFd >= 0; }
    bool Write(const std::string& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = write(m_nFd, bytes.data() + done, bytes.size() - done);
            if (n < 0)
                return false;
            done += size_t(n);
        }
        return true;
    }
    // Closes the file and moves it over target; false leaves target as it was.
    bool Commit(const std::string& target) {
        int fd = m_nFd;
        m_nFd = -1;
        if (close(fd) != 0)
            return false;
        m_bKept = LocalFileReplace(m_strPath, target);
        return m_bKept;
    }

private:
    std::string m_strPath;
    int m_nFd = -1;
    bool m_bKept = false;
};

int StatusToResult(int status) {
    if (status < 100)
        return status;  // the status query itself failed
    return status >= 200 && status <= 299 ? 0 : int(CURLE_REMOTE_FILE_NOT_FOUND);
}

}  // namespace

void seam::SetStallLimit(long nBytesPerSecond, long nSeconds) {
    g_nStallBytesPerSecond = nBytesPerSecond;
    g_nStallSeconds = nSeconds;
}

void seam::ResetStallLimit() {
    SetStallLimit(HTTP_STALL_BYTES_PER_SECOND, HTTP_STALL_SECONDS);
}

void seam::SetDownloadTimeLimit(long nSeconds) {
    g_nTimeLimitSeconds = nSeconds;
}

void seam::ResetDownloadTimeLimit() {
    g_nTimeLimitSeconds = HTTP_DOWNLOAD_TIME_LIMIT_SECONDS;
}

std::string HttpUrlOrigin(const char* url) {
    std::string text = url != nullptr ? url : "";
    size_t sep = text.find("://");
    size_t slash = text.find('/', sep == std::string::npos ? 0 : sep + 3);
    return slash == std::string::npos ? text : text.substr(0, slash);
}

int HttpDownload(const char* url, const char* path) {
    CCurlTransfer transfer;
    if (!transfer.IsValid())
        return CURLE_FAILED_INIT;
    std::string target = platform::AnsiToUtf8(path != nullptr ? path : "");
    if (target.empty() || LocalFileIsDirectory(target))
        return RESULT_CANNOT_OPEN;
    CTempFile file(target);
    if (!file.IsOpen())
        return RESULT_CANNOT_OPEN;

    std::string referer = "Referer: " + HttpUrlOrigin(url);
    curl_slist* headers = curl_slist_append(nullptr, referer.c_str());
    transfer.SetCommonOptions(url);
    curl_easy_setopt(transfer.Handle(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(transfer.Handle(), CURLOPT_MAXREDIRS, HTTP_MAX_REDIRECTS);
    // An announced length over the cap is refused before the body arrives;
    // the body sink stops one that comes without a length.
    curl_easy_setopt(transfer.Handle(), CURLOPT_MAXFILESIZE_LARGE, curl_off_t(HTTP_MAX_BODY_BYTES));
    curl_easy_setopt(transfer.Handle(), CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(transfer.Handle(), CURLOPT_LOW_SPEED_LIMIT, g_nStallBytesPerSecond.load());
    curl_easy_setopt(transfer.Handle(), CURLOPT_LOW_SPEED_TIME, g_nStallSeconds.load());

    // The body is written only after a completed attempt, so the file never
    // holds bytes of an attempt that failed.
    CURLcode code = transfer.Perform(DOWNLOAD_ATTEMPTS, g_nTimeLimitSeconds.load() * 1000);
    int result = code != CURLE_OK ? int(code) : StatusToResult(transfer.QueryResponseCode());
    curl_slist_free_all(headers);
    if (result == 0 && !(file.Write(transfer.Body()) && file.Commit(target)))
        result = CURLE_WRITE_ERROR;
    return result;
}
