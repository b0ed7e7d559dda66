// Turns libcurl's running phase totals into the length of each phase.
#include "net/CurlPhaseTimes.h"

namespace {

// A running total in microseconds; 0 means the phase was never reached.
curl_off_t Query(CURL* pCurl, CURLINFO info) {
    curl_off_t value = 0;
    return curl_easy_getinfo(pCurl, info, &value) == CURLE_OK ? value : 0;
}

int Span(curl_off_t from, curl_off_t to) {
    if (to <= 0 || to < from)
        return -1;
    // Rounded to the nearest millisecond, so that phases add up to the total.
    return int((to - from + 500) / 1000);
}

}  // namespace

HttpPhaseTimes QueryHttpPhaseTimes(CURL* pCurl) {
    HttpPhaseTimes times;
    if (pCurl == nullptr)
        return times;
    curl_off_t lookup = Query(pCurl, CURLINFO_NAMELOOKUP_TIME_T);
    curl_off_t connect = Query(pCurl, CURLINFO_CONNECT_TIME_T);
    curl_off_t tls = Query(pCurl, CURLINFO_APPCONNECT_TIME_T);
    curl_off_t firstByte = Query(pCurl, CURLINFO_STARTTRANSFER_TIME_T);
    curl_off_t total = Query(pCurl, CURLINFO_TOTAL_TIME_T);
    // A numeric host may need no lookup at all: still a phase of 0 ms.
    times.lookupMs = lookup > 0 ? Span(0, lookup) : connect > 0 ? 0 : -1;
    times.connectMs = Span(lookup, connect);
    times.tlsMs = Span(connect, tls);
    times.firstByteMs = Span(tls > 0 ? tls : connect, firstByte);
    times.totalMs = Span(0, total);
    return times;
}
